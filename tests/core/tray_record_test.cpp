#include "tray/tray_record.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// Icon 1 of the window, with message, icon and tip (flags 7) and mouse activity as WM_MOUSEMOVE (512).
// The tip the shell copies is 64 bytes: the text, the NUL that ends it, then spaces.
TEST(TrayIconRecord, HoldsTheIconOfTheWindowWithItsTip) {
    const TrayIconRecord r = MakeTrayIconRecord(0x00010203, 0x0A0B0C0D);
    EXPECT_EQ(std::tie(r.hWnd, r.uID, r.uFlags, r.uCallbackMessage, r.hIcon),
              std::make_tuple(0x00010203u, 1u, 7u, 512u, 0x0A0B0C0Du));
    EXPECT_EQ(r.szTip, std::string("Vistak by Orlo") + '\0' + std::string(49, ' '));
}

}  // namespace
