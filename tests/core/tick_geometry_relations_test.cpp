// Properties that must hold for every pointer on the screen and every offered factor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "magnifier/tick_geometry.h"
#include "settings/zoom_choices.h"

namespace {

struct Screen {
    std::int32_t width, height;
};

const Screen kScreens[] = {{800, 600}, {1024, 768}, {1280, 800}, {1366, 768}, {1920, 1080}, {3840, 2160}};

// About forty positions per axis, always including both edges and the pixels next to them.
std::vector<std::int32_t> Positions(std::int32_t extent) {
    std::vector<std::int32_t> positions = {0, 1, extent - 2, extent - 1};
    for (std::int32_t p = 0; p < extent; p += extent / 40 + 1) positions.push_back(p);
    return positions;
}

template <typename Check>
void ForEveryTick(Check check) {
    for (const Screen& s : kScreens)
        for (const ZoomChoice& choice : ZoomChoices)
            for (std::int32_t x : Positions(s.width))
                for (std::int32_t y : Positions(s.height)) {
                    SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " Z=" << choice.factor
                                                    << " pointer " << x << "," << y);
                    check(s, choice.factor, ComputeTickGeometry(s.width, s.height, choice.factor, x, y));
                }
}

TEST(TickGeometryRelations, SourceNeverStartsLeftOfOrAboveTheScreen) {
    ForEveryTick([](const Screen&, double, const TickGeometry& g) {
        EXPECT_GE(g.SourceX, 0);
        EXPECT_GE(g.SourceY, 0);
        EXPECT_GE(g.LensLeft, 0);
    });
}

TEST(TickGeometryRelations, LensStaysBelowTheSourceHeightAndInsideTheScreenVertically) {
    ForEveryTick([](const Screen& s, double, const TickGeometry& g) {
        EXPECT_GT(g.LensTop, g.SourceHeight);
        EXPECT_LE(g.LensTop + g.LensHeight, s.height);
    });
}

TEST(TickGeometryRelations, LensNeverCoversTheSourceBeyondOneRoundingRow) {
    ForEveryTick([](const Screen&, double, const TickGeometry& g) {
        const PixelRect lens = LensWindowRect(g);
        const PixelRect source = CaptureRect(g);
        const std::int32_t sharedRows = std::min(lens.y + lens.height, source.y + source.height) -
                                        std::max(lens.y, source.y);
        EXPECT_LE(sharedRows, 1);
    });
}

TEST(TickGeometryRelations, LensIsAtMostScreenWideAndShowsTheWholeSource) {
    ForEveryTick([](const Screen& s, double zoom, const TickGeometry& g) {
        EXPECT_LE(g.LensWidth, s.width);
        EXPECT_DOUBLE_EQ(g.SourceHeight, s.height / 20.0);
        EXPECT_DOUBLE_EQ(g.SourceWidth, std::min(s.width / 5.0, s.width / zoom));
    });
}

}  // namespace
