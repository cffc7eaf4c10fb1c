#include "magnifier/magnifier_state.h"

double ZoomFactor = 0;
std::int32_t HorzRes = 0;
std::int32_t VertRes = 0;
double ScreenWidth = 0;
double ScreenHeight = 0;
forms::OwnedScreenDc ScreenDC;
DEVMODEA DisplayDevMode{};
bool Exiting = false;
POINT CursorPoint{};
