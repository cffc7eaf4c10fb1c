#include "forms/error_report.h"

#include <windows.h>

#include <string>

#include "forms/run_time_error.h"

namespace forms {

namespace {

[[noreturn]] void ShowAndEnd(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), "Vistak", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

}  // namespace

void ReportAndEnd(const std::exception& error) {
    if (auto runTime = dynamic_cast<const RunTimeError*>(&error)) {
        ShowAndEnd("Run-time error '" + std::to_string(runTime->Number()) + "':\n\n" + runTime->what());
    }
    ShowAndEnd(std::string("Run-time error:\n\n") + error.what());
}

void ReportUnknownAndEnd() { ShowAndEnd("Run-time error:\n\nUnexpected error"); }

}  // namespace forms
