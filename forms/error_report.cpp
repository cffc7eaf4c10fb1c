#include "forms/error_report.h"

#include <windows.h>

#include <string>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/run_time_error.h"

namespace forms {

namespace {

bool showing = false;

void ShowAndEnd(const std::string& text) {
    if (showing) return;
    showing = true;
    Form::WithdrawAll();
    MessageBoxA(nullptr, text.c_str(), ProgramName(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
    ExitProcess(1);
}

}  // namespace

bool ReportShowing() { return showing; }

void ReportAndEnd(const std::exception& error) {
    if (auto runTime = dynamic_cast<const RunTimeError*>(&error)) {
        ShowAndEnd("Run-time error '" + std::to_string(runTime->Number()) + "':\n\n" + runTime->what());
    } else {
        ShowAndEnd(std::string("Run-time error:\n\n") + error.what());
    }
}

void ReportUnknownAndEnd() { ShowAndEnd("Run-time error:\n\nUnexpected error"); }

}  // namespace forms
