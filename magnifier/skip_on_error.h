#pragma once
// The capture's failure rule: a step that fails is skipped, and the capture goes on with the next.
#include "forms/run_time_error.h"

// Unlike the design, whose capture skips every failure: a broken rule of the program's own (error 51)
// is reported, since the lens would otherwise stay on a stale picture while it follows the pointer.
// What the platform refuses (a focus, a number out of range, a surface) is still skipped.
template <typename Statement>
void SkipOnError(Statement&& statement) {
    try {
        statement();
    } catch (const forms::RunTimeError& error) {
        if (error.Number() == forms::kInternalError) throw;
    } catch (...) {
        // The lens shows whatever the picture holds.
    }
}
