#include "app/splash_target.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(SplashPointerTarget, HalvesTheScreenAtFifteenTwipsPerPixel) {
    const struct {
        std::int32_t width, height, dpi;
        std::int32_t x, y;
        const char* why;
    } cases[] = {
        {1366, 768, 96, 683, 384, "centre at 96 dpi"},
        {1365, 767, 96, 682, 384, "682.5 and 383.5 round to even"},
        {1366, 768, 120, 546, 307, "12 twips per pixel: 546.4 and 307.2, not the centre"},
        {1920, 1080, 144, 640, 360, "10 twips per pixel"},
        {1024, 768, 96, 512, 384, "centre at 96 dpi"},
    };
    for (const auto& c : cases) {
        const PointerTarget t = SplashPointerTarget(c.width, c.height, c.dpi);
        EXPECT_EQ(t.x, c.x) << c.why;
        EXPECT_EQ(t.y, c.y) << c.why;
    }
}

// The half is held in single precision: 16777217 has no float of its own and
// becomes 16777216 before the rounding to a pixel.
TEST(SplashPointerTarget, HoldsTheHalfInSinglePrecision) {
    EXPECT_EQ(SplashPointerTarget(33554434, 2, 96).x, 16777216);
}

}  // namespace
