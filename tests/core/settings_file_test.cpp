#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SettingsFileLine, BytesForEveryFactorWithBothSeparators) {
    const struct {
        double zoom;
        std::string fullStop, comma;
    } cases[] = {
        {1.5, "\x20\x31\x2E\x35\x20\x0D\x0A", "\x20\x31\x2C\x35\x20\x0D\x0A"},
        {2, "\x20\x32\x20\x0D\x0A", "\x20\x32\x20\x0D\x0A"},
        {2.5, "\x20\x32\x2E\x35\x20\x0D\x0A", "\x20\x32\x2C\x35\x20\x0D\x0A"},
        {3, "\x20\x33\x20\x0D\x0A", "\x20\x33\x20\x0D\x0A"},
        {3.5, "\x20\x33\x2E\x35\x20\x0D\x0A", "\x20\x33\x2C\x35\x20\x0D\x0A"},
        {4, "\x20\x34\x20\x0D\x0A", "\x20\x34\x20\x0D\x0A"},
        {5, "\x20\x35\x20\x0D\x0A", "\x20\x35\x20\x0D\x0A"},
        {6, "\x20\x36\x20\x0D\x0A", "\x20\x36\x20\x0D\x0A"},
        {7, "\x20\x37\x20\x0D\x0A", "\x20\x37\x20\x0D\x0A"},
        {8, "\x20\x38\x20\x0D\x0A", "\x20\x38\x20\x0D\x0A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsFileLine(c.zoom, '.'), c.fullStop) << c.zoom;
        EXPECT_EQ(SettingsFileLine(c.zoom, ','), c.comma) << c.zoom;
    }
}

TEST(SettingsFileLine, PlainDecimalWithoutTrailingZeros) {
    EXPECT_EQ(SettingsFileLine(10, '.'), " 10 \r\n");
    EXPECT_EQ(SettingsFileLine(1.25, '.'), " 1.25 \r\n");
}

TEST(ZoomToSave, FactorBelowOneBecomesTheStartValue) {
    const struct {
        double zoom, saved;
    } cases[] = {{0, 2.5}, {0.99, 2.5}, {-3, 2.5}, {1, 1}, {1.5, 1.5}, {8, 8}};
    for (const auto& c : cases) EXPECT_EQ(ZoomToSave(c.zoom), c.saved) << c.zoom;
}

TEST(SettingsFilePath, AppendsTheNameWithItsOwnBackslash) {
    EXPECT_EQ(SettingsFilePath(L"C:\\Programs\\Vistak"), L"C:\\Programs\\Vistak\\Vistak.txt");
    EXPECT_EQ(SettingsFilePath(L"C:\\"), L"C:\\\\Vistak.txt");
}

}  // namespace
