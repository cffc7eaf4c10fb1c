// The capture's failure rule: what the platform refuses is skipped, a broken rule of the program's own is not.
#include "magnifier/skip_on_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

namespace {

TEST(CaptureSkipRule, SkipsWhatThePlatformRefusesAndLetsTheProgramsOwnChecksThrough) {
    const struct {
        const char* what;
        std::function<void()> raise;
        int reported;  // the error's number that reaches the caller, 0 for none
    } cases[] = {
        {"the lens cannot take the focus", [] { throw forms::InvalidProcedureCall(); }, 0},
        {"a number out of range", [] { throw forms::Overflow(); }, 0},
        {"a surface that cannot be made", [] { throw forms::OutOfMemory(); }, 0},
        {"a failed allocation", [] { throw std::bad_alloc(); }, 0},
        {"a broken rule of the retained image", [] { throw forms::InternalError(); }, 51},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int reported = 0;
        try {
            SkipOnError(c.raise);
        } catch (const forms::RunTimeError& error) {
            reported = error.Number();
        }
        EXPECT_EQ(reported, c.reported);
    }
}

}  // namespace
