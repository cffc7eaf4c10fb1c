#include "app/splash_target.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

TEST(SplashPointerTarget, HalvesTheScreenAtFifteenTwipsPerPixel) {
    const struct {
        std::int32_t width, height, dpi, x, y;
        const char* why;
    } cases[] = {
        {1366, 768, 96, 683, 384, "centre at 96 dpi"},
        {1365, 767, 96, 682, 384, "682.5 and 383.5 round to even"},
        {1366, 768, 120, 546, 307, "12 twips per pixel: 546.4 and 307.2, not the centre"},
        {1920, 1080, 144, 640, 360, "10 twips per pixel"},
        {33554434, 2, 96, 16777216, 1, "the half is held in single precision: 16777217 has no float"},
    };
    for (const auto& c : cases) {
        const PointerTarget t = SplashPointerTarget(c.width, c.height, c.dpi);
        EXPECT_EQ(std::make_pair(t.x, t.y), std::make_pair(c.x, c.y)) << c.why;
    }
}

}  // namespace
