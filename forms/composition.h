#pragma once
// The desktop compositor (Vista and 7 when it is on, every Windows from 8) puts what windows
// draw and where they move on the screen only with its next frame: until then the screen,
// and a copy taken from it, still shows the last frame.

namespace forms {

// Waits until the changes made so far are on the screen; at once where nothing composes.
void FlushComposition();

}  // namespace forms
