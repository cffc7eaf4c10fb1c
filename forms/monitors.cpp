#include "forms/monitors.h"

#include <algorithm>
#include <vector>

#include "forms/monitor_choice.h"

namespace forms {

namespace {

struct Measures {
    std::vector<MonitorArea> monitors;  // the primary first
    SIZE primary{};
    SIZE largest{};
};

Measures measures;
bool measured = false;
void (*displayChangeHandler)() = nullptr;

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    auto& monitors = *reinterpret_cast<std::vector<MonitorArea>*>(list);
    const MonitorArea area{r.left, r.top, r.right, r.bottom};
    // The primary first: of monitors equally near a point off them all, the first is chosen.
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        monitors.insert(monitors.begin(), area);
    } else {
        monitors.push_back(area);
    }
    return TRUE;
}

// Kept rather than asked of the system at each tick: under Wine each question costs as much as
// reading the pointer. They change only with the displays.
const Measures& Measured() {
    if (!measured) {
        measures = {};
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&measures.monitors));
        if (!measures.monitors.empty()) {
            const MonitorArea& primary = measures.monitors.front();
            measures.primary = {primary.right - primary.left, primary.bottom - primary.top};
        }
        for (const MonitorArea& m : measures.monitors) {
            measures.largest = {std::max(measures.largest.cx, LONG{m.right - m.left}),
                                std::max(measures.largest.cy, LONG{m.bottom - m.top})};
        }
        measured = true;
    }
    return measures;
}

}  // namespace

SIZE ScreenPixels() { return Measured().primary; }

SIZE LargestMonitorPixels() { return Measured().largest; }

RECT MonitorUnder(POINT point) {
    const std::vector<MonitorArea>& monitors = Measured().monitors;
    if (monitors.empty()) return RECT{};
    const MonitorArea& m = monitors[NearestMonitor(monitors, point.x, point.y)];
    return RECT{m.left, m.top, m.right, m.bottom};
}

void OnDisplayChange(void (*handler)()) { displayChangeHandler = handler; }

void DisplayChanged() {
    measured = false;
    if (displayChangeHandler) displayChangeHandler();
}

}  // namespace forms
