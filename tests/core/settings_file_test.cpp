#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SettingsFileLine, SignSpaceThePlainNumberASpaceAndCrLf) {
    const struct {
        double zoom;
        char separator;
        const char* line;
    } cases[] = {
        {1.5, '.', " 1.5 \r\n"}, {1.5, ',', " 1,5 \r\n"}, {2, ',', " 2 \r\n"},
        {8, '.', " 8 \r\n"},     {10, '.', " 10 \r\n"},   {1.25, ',', " 1,25 \r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingsFileLine(c.zoom, c.separator), c.line) << c.zoom;
}

TEST(ZoomToSave, FactorBelowOneBecomesTheStartValue) {
    const struct {
        double zoom, saved;
    } cases[] = {{0, 2.5}, {0.99, 2.5}, {-3, 2.5}, {1, 1}, {8, 8}};
    for (const auto& c : cases) EXPECT_EQ(ZoomToSave(c.zoom), c.saved) << c.zoom;
}

}  // namespace
