#pragma once
// The orderly way out: stop the magnifier, close its windows, remove the tray
// icon and show the splash, whose closing ends the process.
void EndProgram();
