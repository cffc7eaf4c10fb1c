#include "tray/tray_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The bytes the shell reads for icon 1 of a window: size 88, window, id 1, flags 7 (message, icon,
// tip), mouse activity as WM_MOUSEMOVE (512), the icon, then the 64-byte tip: the text, the NUL
// that ends it, then spaces.
TEST(TrayIconRecord, ShellBytesAreTheFirstLayoutLittleEndian) {
    const auto bytes = ShellBytes(MakeTrayIconRecord(0x00010203, 0x0A0B0C0D));
    const std::uint8_t fields[] = {88, 0, 0, 0, 3, 2, 1, 0, 1, 0, 0, 0, 7, 0, 0, 0, 0, 2, 0, 0, 0x0D, 0x0C, 0x0B, 0x0A};
    EXPECT_TRUE(std::equal(std::begin(fields), std::end(fields), bytes.begin()));
    const std::string tip(bytes.begin() + sizeof fields, bytes.end());
    EXPECT_EQ(tip, std::string("Vistak by Orlo") + '\0' + std::string(49, ' '));
}

}  // namespace
