#include "forms/monitors.h"

#include <algorithm>

namespace forms {

namespace {

struct Measures {
    SIZE primary{};
    SIZE largest{};
};

Measures measures;
bool measured = false;
void (*displayChangeHandler)() = nullptr;

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

BOOL CALLBACK GrowToMonitor(HMONITOR, HDC, RECT* monitor, LPARAM largest) {
    SIZE& size = *reinterpret_cast<SIZE*>(largest);
    size = {std::max(size.cx, Width(*monitor)), std::max(size.cy, Height(*monitor))};
    return TRUE;
}

// Kept rather than asked of the system at each use: they change only with the displays.
const Measures& Measured() {
    if (!measured) {
        const RECT primary = MonitorUnder(POINT{0, 0});
        measures.primary = {Width(primary), Height(primary)};
        measures.largest = measures.primary;
        EnumDisplayMonitors(nullptr, nullptr, GrowToMonitor, reinterpret_cast<LPARAM>(&measures.largest));
        measured = true;
    }
    return measures;
}

}  // namespace

SIZE ScreenPixels() { return Measured().primary; }

SIZE LargestMonitorPixels() { return Measured().largest; }

RECT MonitorUnder(POINT point) {
    // With at least one monitor there is always a nearest one; with none the rectangle stays empty.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcMonitor;
}

void OnDisplayChange(void (*handler)()) { displayChangeHandler = handler; }

void DisplayChanged() {
    measured = false;
    if (displayChangeHandler) displayChangeHandler();
}

}  // namespace forms
