#include "tray/tray_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The tip the shell copies is 64 bytes: the text, the NUL that ends it, then spaces.
TEST(TrayIconRecord, HoldsTheIconOfTheWindowWithItsTip) {
    const TrayIconRecord r = MakeTrayIconRecord(0x00010203, 0x0A0B0C0D);
    EXPECT_EQ(r.hWnd, 0x00010203u);
    EXPECT_EQ(r.uID, 1u);
    EXPECT_EQ(r.uFlags, 7u) << "message, icon and tip";
    EXPECT_EQ(r.uCallbackMessage, 512u) << "WM_MOUSEMOVE";
    EXPECT_EQ(r.hIcon, 0x0A0B0C0Du);
    EXPECT_EQ(r.szTip, std::string("Vistak by Orlo") + '\0' + std::string(49, ' '));
}

}  // namespace
