// Whole numbers for the platform calls: the rounding that every call goes through, start-up's
// checked sums, and the splash's pointer target, whose halves are rounded from single precision.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "app/splash_target.h"
#include "forms/int32_conversion.h"
#include "forms/run_time_error.h"

namespace {

template <typename Conversion>
std::string Converted(Conversion conversion) {
    try {
        return std::to_string(conversion());
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
        {0.5, "0"}, {1.5, "2"}, {2.5, "2"}, {-0.5, "0"}, {-1.5, "-2"}, {-2.5, "-2"}, {0.49999999999999994, "0"},
        {-0.49999999999999994, "0"}, {2147483647.4, "2147483647"}, {2147483646.5, "2147483646"},
        {-2147483648.4, "-2147483648"}, {-2147483648.5, "-2147483648"}, {2147483647.5, "error 6"},
        {-2147483648.6, "error 6"}, {1e300, "error 6"}, {-inf, "error 6"}, {nan, "error 6"},
    };
    for (const auto& c : cases) EXPECT_EQ(Converted([&] { return forms::ToInt32(c.value); }), c.expected) << c.value;
}

// The caret's screen position, as start-up sums it: an out-of-range sum is error 6, not a wrapped point.
TEST(AddInt32, SumsOrOverflowsOutsideTheRange) {
    const struct {
        std::int32_t a, b;
        const char* expected;
    } cases[] = {{-20, 5, "-15"}, {INT32_MAX, 0, "2147483647"}, {INT32_MAX, 1, "error 6"}, {INT32_MIN, -1, "error 6"}};
    for (const auto& c : cases) EXPECT_EQ(Converted([&] { return forms::AddInt32(c.a, c.b); }), c.expected) << c.a;
}

// The splash halves the screen at a fixed 15 twips a pixel: the centre at 96 dpi, off it at any other.
TEST(SplashPointerTarget, HalvesTheScreenAtFifteenTwipsPerPixelWithTiesToEven) {
    const struct {
        std::int32_t width, height, dpi, x, y;
    } cases[] = {{1365, 767, 96, 682, 384}, {1366, 768, 96, 683, 384}, {1366, 768, 120, 546, 307}};
    for (const auto& c : cases) {
        const PointerTarget t = SplashPointerTarget(c.width, c.height, c.dpi);
        EXPECT_EQ(std::make_pair(t.x, t.y), std::make_pair(c.x, c.y)) << c.width << " x " << c.height << " at "
                                                                       << c.dpi << " dpi";
    }
}

}  // namespace
