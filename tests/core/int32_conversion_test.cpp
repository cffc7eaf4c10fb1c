#include "forms/int32_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "forms/run_time_error.h"

namespace {

TEST(ToInt32, RoundsToNearestWithTiesToEven) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {0.5, 0},         {1.5, 2},         {2.5, 2},          {-0.5, 0},          {-1.5, -2},
        {-2.5, -2},       {403.2, 403},     {76.8, 77},        {0.49999999999999994, 0},
        {-0.49999999999999994, 0},          {2147483647.4, 2147483647},             {2147483646.5, 2147483646},
        {-2147483648.4, -2147483647 - 1},   {-2147483648.5, -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(forms::ToInt32(c.value), c.expected) << c.value;
}

TEST(ToInt32, OverflowsOutsideTheSigned32BitRange) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {2147483647.5, 2147483648.0, -2147483649.0, -2147483648.6, 1e300, -inf,
                         std::numeric_limits<double>::quiet_NaN()}) {
        try {
            forms::ToInt32(value);
            ADD_FAILURE() << "no overflow for " << value;
        } catch (const forms::RunTimeError& e) {
            EXPECT_EQ(e.Number(), 6) << value;
        }
    }
}

}  // namespace
