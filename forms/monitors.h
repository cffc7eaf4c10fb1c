#pragma once
// What the program knows of the monitors: the primary's size, the monitor under a point, and the
// largest width and height among them. Measured at first use and again at each change of the
// displays (a resolution changed, a monitor plugged in, unplugged or moved).
#include <windows.h>

namespace forms {

// The primary monitor's size in pixels; its top-left corner is the screen's origin.
SIZE ScreenPixels();
// The largest width and the largest height among the monitors, perhaps of two of them: nothing a
// window shows on one monitor is larger.
SIZE LargestMonitorPixels();
// The rectangle of the monitor that holds the point, or of the nearest one for a point on none,
// in screen pixels; empty while the system lists no monitor.
RECT MonitorUnder(POINT point);

// The program's handler for a change of the displays. It runs as an event handler does, once the
// forms' own sizes follow the new displays.
void OnDisplayChange(void (*handler)());
// Called by the forms' hidden window, which hears of the change: it lives as long as any form.
void DisplayChanged();

}  // namespace forms
