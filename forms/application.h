#pragma once
// Program-wide services: the message loop, yield, the process end and a few
// facts about the machine the handlers ask for.
#include <windows.h>

#include <string>

namespace forms {

// The program's name, set once at start: the caption of the run-time error report
// and the title of the hidden window that owns the forms.
void SetProgramName(const char* name);
const char* ProgramName();

// Later DLL loads search the system folder only, never the program's or the current folder.
void RestrictDllSearchToSystemFolder();

// Dispatches every message waiting for this thread, then returns.
void YieldMessages();

// Runs the message loop until no loaded form keeps the program running.
void RunMessageLoop();

// Ends the process at once: no unload handler runs.
[[noreturn]] void EndNow();

// The folder of the executable, without a trailing separator except at a drive root.
std::wstring ProgramFolder();

// The decimal separator of the user's locale, in the ANSI code page.
char DecimalSeparator();

// The primary display's size in pixels, measured at first use and again at each change of the display.
SIZE ScreenPixels();
// The program's handler for a change of the display's resolution (docking, a remote session, a turned
// screen). It runs as an event handler does, once the forms' own sizes follow the new display.
void OnDisplayChange(void (*handler)());
// Called by the forms' hidden window, which hears of the change: it lives as long as any form.
void DisplayChanged();

int LogicalPixelsPerInch();
int TwipsToPixels(int twips);

}  // namespace forms
