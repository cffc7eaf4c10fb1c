#pragma once
// Copies a screen rectangle into the capture surface's picture and gives the
// keyboard focus to the lens's text box. Every failing step is skipped; the
// caller never learns of a failure.
void CaptureScreen(double width, double height, double left, double top);
