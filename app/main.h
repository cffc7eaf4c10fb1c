#pragma once
// The program's start: refuses a second copy, sets up the magnifier state and
// shows the splash window, which hands over to the lens.
void Main();
