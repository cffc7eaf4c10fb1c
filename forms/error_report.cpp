#include "forms/error_report.h"

#include <windows.h>

#include <new>
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

std::string ReportText(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error)) return ReportText(OutOfMemory());
    if (auto runTime = dynamic_cast<const RunTimeError*>(&error)) {
        return "Run-time error '" + std::to_string(runTime->Number()) + "':\n\n" + runTime->what();
    }
    return std::string("Run-time error:\n\n") + error.what();
}

void ReportAndEnd(const std::exception& error) { ShowAndEnd(ReportText(error)); }

void ReportUnknownAndEnd() { ShowAndEnd("Run-time error:\n\nUnexpected error"); }

}  // namespace forms
