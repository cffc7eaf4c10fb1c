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

// The system's logical pixels per inch, which every form is laid out for when it is made.
int LogicalPixelsPerInch();
int TwipsToPixels(int twips);
int TwipsToPixels(int twips, int pixelsPerInch);

}  // namespace forms
