#include "forms/error_report.h"

#include <gtest/gtest.h>

#include <vector>

// An allocation that fails is reported as the program's error for what cannot be made.
TEST(ErrorReport, AFailedAllocationIsOutOfMemory) {
    std::string report;
    try {
        std::vector<char> everything;
        everything.reserve(everything.max_size());
    } catch (const std::exception& error) {
        report = forms::ReportText(error);
    }
    EXPECT_EQ(report, "Run-time error '7':\n\nOut of memory");
}
