// What must hold for every pointer on the screen and every offered factor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "magnifier/tick_geometry.h"
#include "settings/zoom_choices.h"

namespace {

// About forty positions per axis, always including both edges and the pixels next to them.
std::vector<std::int32_t> Positions(std::int32_t extent) {
    std::vector<std::int32_t> positions = {0, 1, extent - 2, extent - 1};
    for (std::int32_t p = 0; p < extent; p += extent / 40 + 1) positions.push_back(p);
    return positions;
}

TEST(TickGeometryRelations, LensStaysOnScreenAndOffTheSource) {
    const struct {
        std::int32_t width, height;
    } screens[] = {{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};
    for (const auto& s : screens)
        for (const ZoomChoice& choice : ZoomChoices)
            for (std::int32_t x : Positions(s.width))
                for (std::int32_t y : Positions(s.height)) {
                    SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " Z=" << choice.factor
                                                    << " pointer " << x << "," << y);
                    const TickGeometry g = ComputeTickGeometry(s.width, s.height, choice.factor, x, y);
                    EXPECT_GE(std::min({g.SourceX, g.SourceY, g.LensLeft}), 0);
                    EXPECT_GT(g.LensTop, g.SourceHeight);
                    EXPECT_LE(g.LensTop + g.LensHeight, s.height);
                    EXPECT_LE(g.LensWidth, s.width);
                    EXPECT_DOUBLE_EQ(g.SourceWidth, std::min(s.width / 5.0, s.width / choice.factor));
                    // Rounding may let the lens share at most one row with the source.
                    const PixelRect lens = LensWindowRect(g), source = CaptureRect(g);
                    EXPECT_LE(std::min(lens.y + lens.height, source.y + source.height) - std::max(lens.y, source.y), 1);
                }
}

}  // namespace
