#pragma once
// Which monitor a point belongs to, chosen from the monitors' rectangles as the system lists them.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace forms {

// A monitor's rectangle in screen pixels; right and bottom lie just outside it.
struct MonitorArea {
    std::int32_t left, top, right, bottom;
};

// The first monitor that holds the point; for a point on none, the one nearest to it (the first of
// equally near ones). The list must not be empty.
std::size_t NearestMonitor(const std::vector<MonitorArea>& monitors, std::int32_t x, std::int32_t y);

}  // namespace forms
