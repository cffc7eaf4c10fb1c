#include "settings/zoom_choices.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatReadout, OneIntegerDigitAtLeastAndExactlyTwoDecimals) {
    const struct {
        double zoom;
        char separator;
        const char* expected;
    } cases[] = {
        {1.5, '.', "1.50"}, {1.5, ',', "1,50"}, {8, ',', "8,00"},    {0, '.', "0.00"},
        {0.5, '.', "0.50"}, {2.456, '.', "2.46"}, {12.25, ',', "12,25"}, {10, '.', "10.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.zoom, c.separator), c.expected) << c.zoom;
}

}  // namespace
