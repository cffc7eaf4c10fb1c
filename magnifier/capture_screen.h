#pragma once
// Copies a screen rectangle into the capture surface's picture and gives the
// keyboard focus to the lens's text box. Every failing step is skipped
// (skip_on_error.h); only a broken rule of the program's own reaches the caller.
void CaptureScreen(double width, double height, double left, double top);
