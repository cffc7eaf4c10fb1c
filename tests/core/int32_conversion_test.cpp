#include "forms/int32_conversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "forms/run_time_error.h"

namespace {

std::string Converted(double value) {
    try {
        return std::to_string(forms::ToInt32(value));
    } catch (const forms::RunTimeError& e) {
        return "error " + std::to_string(e.Number());
    }
}

// Nearest with ties to even; outside the signed 32-bit range, error 6 (overflow).
TEST(ToInt32, RoundsToNearestWithTiesToEvenAndOverflowsOutsideTheRange) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.5, "0"}, {1.5, "2"}, {2.5, "2"}, {-0.5, "0"}, {-1.5, "-2"}, {-2.5, "-2"}, {403.2, "403"}, {76.8, "77"},
        {0.49999999999999994, "0"}, {-0.49999999999999994, "0"}, {2147483647.4, "2147483647"},
        {2147483646.5, "2147483646"}, {-2147483648.4, "-2147483648"}, {-2147483648.5, "-2147483648"},
        {2147483647.5, "error 6"}, {2147483648.0, "error 6"}, {-2147483649.0, "error 6"},
        {-2147483648.6, "error 6"}, {1e300, "error 6"}, {-inf, "error 6"}, {nan, "error 6"},
    };
    for (const auto& c : cases) EXPECT_EQ(Converted(c.value), c.expected) << c.value;
}

}  // namespace
