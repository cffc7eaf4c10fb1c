#include <windows.h>

#include "app/main.h"
#include "forms/application.h"
#include "forms/error_report.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    forms::RestrictDllSearchToSystemFolder();
    forms::Guarded(Main);
    forms::RunMessageLoop();
    return 0;
}
