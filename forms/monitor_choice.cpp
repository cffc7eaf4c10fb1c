#include "forms/monitor_choice.h"

namespace forms {

namespace {

// How far a coordinate lies outside [low, high).
std::int64_t Outside(std::int32_t value, std::int32_t low, std::int32_t high) {
    if (value < low) return std::int64_t{low} - value;
    if (value >= high) return std::int64_t{value} - (std::int64_t{high} - 1);
    return 0;
}

}  // namespace

std::size_t NearestMonitor(const std::vector<MonitorArea>& monitors, std::int32_t x, std::int32_t y) {
    std::size_t nearest = 0;
    std::int64_t nearestDistance = -1;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const MonitorArea& m = monitors[i];
        const std::int64_t dx = Outside(x, m.left, m.right), dy = Outside(y, m.top, m.bottom);
        // Squared: the nearest by straight-line distance, without rounding.
        const std::int64_t distance = dx * dx + dy * dy;
        if (nearestDistance < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
        if (distance == 0) break;
    }
    return nearest;
}

}  // namespace forms
