#pragma once
// The magnifier's process-wide state. Start-up fills it in; the settings
// change the zoom; every tick and capture work from it.
#include <windows.h>

#include <cstdint>

#include "forms/handles.h"

extern double ZoomFactor;
extern std::int32_t HorzRes;
extern std::int32_t VertRes;
extern double ScreenWidth;
extern double ScreenHeight;
// The screen's device context, which every capture copies from: taken at start-up and again after
// each change of the displays.
extern forms::OwnedScreenDc ScreenDC;
// Initialisation data for the display device context that measures HorzRes and VertRes; nothing
// fills it in.
extern DEVMODEA DisplayDevMode;
extern bool Exiting;
// The pointer as the last tick read it.
extern POINT CursorPoint;
