#include "tray/tray_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(FixedLengthText, PlacesLeftCutsAndPads) {
    const struct {
        const char* value;
        std::size_t length;
        const char* expected;
    } cases[] = {
        {"abc", 6, "abc   "}, {"abcdef", 6, "abcdef"}, {"abcdefgh", 6, "abcdef"},
        {"", 3, "   "},       {"ab", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FixedLengthText(c.value, c.length), c.expected) << c.value;
}

TEST(FixedLengthText, CutsALongTipAfter64Characters) {
    EXPECT_EQ(FixedLengthText(std::string(70, 'x'), 64), std::string(64, 'x'));
}

TEST(TrayIconRecord, HoldsTheIconOfTheWindowWithItsTip) {
    const TrayIconRecord r = MakeTrayIconRecord(0x00010203, 0x0A0B0C0D);
    EXPECT_EQ(r.cbSize, 88u);
    EXPECT_EQ(r.hWnd, 0x00010203u);
    EXPECT_EQ(r.uID, 1u);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 512u);
    EXPECT_EQ(r.hIcon, 0x0A0B0C0Du);
    EXPECT_EQ(r.szTip, std::string("Vistak by Orlo") + '\0' + std::string(49, ' '));
}

TEST(TrayIconRecord, AnsiCopyIsTheShellsFirst88ByteLayout) {
    const auto bytes = AnsiTrayRecordBytes(MakeTrayIconRecord(0x12345678, 0x9ABCDEF0));
    ASSERT_EQ(bytes.size(), 88u);
    const std::uint8_t fields[24] = {
        88,   0,    0,    0,     // cbSize
        0x78, 0x56, 0x34, 0x12,  // hWnd
        1,    0,    0,    0,     // uID
        7,    0,    0,    0,     // uFlags: message, icon, tip
        0,    2,    0,    0,     // uCallbackMessage: WM_MOUSEMOVE
        0xF0, 0xDE, 0xBC, 0x9A,  // hIcon
    };
    for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(bytes[i], fields[i]) << "byte " << i;

    const std::string text = "Vistak by Orlo";
    for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(bytes[24 + i], text[i]) << "tip byte " << i;
    EXPECT_EQ(bytes[24 + text.size()], 0x00);
    for (std::size_t i = 24 + text.size() + 1; i < 88; ++i) EXPECT_EQ(bytes[i], 0x20) << "byte " << i;
}

}  // namespace
