#include "forms/monitor_choice.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// A 1024 x 768 primary, a 1280 x 1024 monitor left of it, one below it, a smaller one right of it
// with a gap of 101 columns between them and its top lower down, and last a mirror of the primary,
// which points on or nearest the primary never pick.
const std::vector<forms::MonitorArea> kDesk = {
    {0, 0, 1024, 768}, {-1280, 0, 0, 1024}, {0, 768, 1024, 1536}, {1125, 200, 1925, 800}, {0, 0, 1024, 768}};

TEST(NearestMonitor, PointsOnAndBetweenMonitors) {
    const struct {
        const char* what;
        std::int32_t x, y;
        std::size_t monitor;
    } cases[] = {
        {"the primary's top-left pixel", 0, 0, 0},
        {"the left monitor's last column", -1, 300, 1},
        {"the left monitor's first column", -1280, 1023, 1},
        {"the primary's last row", 500, 767, 0},
        {"the lower monitor's first row", 500, 768, 2},
        {"the lower monitor's last pixel", 1023, 1535, 2},
        {"the right monitor's corner", 1924, 799, 3},
        {"in the gap, nearer the primary", 1070, 300, 0},
        {"in the gap, nearer the right monitor", 1080, 300, 3},
        {"in the gap, as near to both: the first listed", 1074, 300, 0},
        {"below the left monitor, beside the lower one", -100, 1200, 2},
        {"below the left monitor, nearer it than the lower one", -1000, 2000, 1},
        {"beyond the right monitor's corner", 2500, 900, 3},
        // 38 columns and 38 rows from the right monitor's corner (about 54 pixels), 64 columns from the lower's edge.
        {"off the right monitor's corner, in a straight line nearer it than the lower one", 1087, 837, 3},
        {"above everything, over the primary", 700, -50, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(forms::NearestMonitor(kDesk, c.x, c.y), c.monitor) << c.what;
}

}  // namespace
