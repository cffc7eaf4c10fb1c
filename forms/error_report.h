#pragma once
// The run-time error report: an error that no handler traps stops every timer,
// hides the program's windows, shows one message box with its text and ends
// the program. Every event handler is called through Guarded, so every handler
// gets the report; while the report shows, no handler runs.
#include <exception>
#include <string>
#include <utility>

namespace forms {

// What the report says: the error's number and text. A failed allocation is the program's own error for
// what cannot be made, error 7.
std::string ReportText(const std::exception& error);

bool ReportShowing();
// Shows the report and ends the process; an error raised while the report is
// already showing is dropped, as the program is ending anyway.
void ReportAndEnd(const std::exception& error);
void ReportUnknownAndEnd();

template <typename Handler>
void Guarded(Handler&& handler) {
    if (ReportShowing()) return;
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ReportAndEnd(error);
    } catch (...) {
        ReportUnknownAndEnd();
    }
}

}  // namespace forms
