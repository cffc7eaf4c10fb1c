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
// The display's device context: created at start-up and reused by every capture.
extern forms::OwnedDc ScreenDC;
// Initialisation data for the display device context; nothing fills it in.
extern DEVMODEA DisplayDevMode;
extern bool Exiting;
// The pointer as the last tick read it.
extern POINT CursorPoint;
