#include "settings/zoom_choices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ZoomChoices, ButtonsInOrderWithTheirFactors) {
    const struct {
        const char* caption;
        double factor;
    } expected[] = {{"1.50", 1.5}, {"2.00", 2}, {"2.50", 2.5}, {"3.00", 3}, {"3.50", 3.5},
                    {"4.00", 4},   {"5.00", 5}, {"6.00", 6},   {"7.00", 7}, {"8.00", 8}};
    for (std::size_t i = 0; i < ZoomChoices.size(); ++i) {
        EXPECT_STREQ(ZoomChoices[i].caption, expected[i].caption) << "index " << i;
        EXPECT_EQ(ZoomChoices[i].factor, expected[i].factor) << "index " << i;
    }
}

// Every button's factor reads back as its own caption; with a comma separator
// only the separator changes.
TEST(FormatReadout, EveryChoiceReadsAsItsCaption) {
    for (const ZoomChoice& choice : ZoomChoices) {
        const std::string caption = choice.caption;
        EXPECT_EQ(FormatReadout(choice.factor, '.'), caption);
        std::string withComma = caption;
        withComma[1] = ',';
        EXPECT_EQ(FormatReadout(choice.factor, ','), withComma);
    }
}

TEST(FormatReadout, KeepsOneIntegerDigitAndExactlyTwoDecimals) {
    const struct {
        double zoom;
        const char* expected;
    } cases[] = {{0, "0.00"}, {0.5, "0.50"}, {12.25, "12.25"}, {2.456, "2.46"}, {10, "10.00"}};
    for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.zoom, '.'), c.expected) << c.zoom;
}

}  // namespace
