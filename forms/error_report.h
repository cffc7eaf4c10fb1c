#pragma once
// The run-time error report: an error that no handler traps shows a message
// box with its text and ends the program. Every event handler is called
// through Guarded, so every handler gets the report.
#include <exception>
#include <utility>

namespace forms {

[[noreturn]] void ReportAndEnd(const std::exception& error);
[[noreturn]] void ReportUnknownAndEnd();

template <typename Handler>
void Guarded(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ReportAndEnd(error);
    } catch (...) {
        ReportUnknownAndEnd();
    }
}

}  // namespace forms
