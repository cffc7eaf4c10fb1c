#include "magnifier/tick_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "settings/zoom_choices.h"

namespace {

std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> Tie(const PixelRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// One tick per row: held lens position, the SetWindowPos and BitBlt rectangles
// after rounding, and the held sizes of the stretch-draw.
struct WorkedExample {
    std::int32_t W, H;
    double Z;
    std::int32_t pointerX, pointerY;
    double lensLeft, lensTop;
    PixelRect window, copy;  // x, y, width, height
    double sourceWidth, sourceHeight, lensWidth, lensHeight;
};

const WorkedExample kWorkedExamples[] = {
    {1024, 768, 2.5, 512, 384, 352, 403.2, {352, 403, 512, 96}, {448, 365, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 0, 0, 0, 76.8, {0, 77, 512, 96}, {0, 0, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 1023, 767, 863, 623, {863, 623, 512, 96}, {959, 748, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 512, 652, 352, 671.2, {352, 671, 512, 96}, {448, 633, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 512, 653, 352, 509, {352, 509, 512, 96}, {448, 634, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 512, 19, 352, 76.8, {352, 77, 512, 96}, {448, 0, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 512, 20, 352, 39.2, {352, 39, 512, 96}, {448, 1, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 161, 300, 1, 319.2, {1, 319, 512, 96}, {97, 281, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 2.5, 159, 300, 0, 319.2, {0, 319, 512, 96}, {95, 281, 205, 38}, 204.8, 38.4, 512, 96},
    {1024, 768, 8, 1023, 767, 511, 306.2, {511, 306, 1024, 307}, {959, 748, 128, 38}, 128, 38.4, 1024, 307.2},
    {1920, 1080, 2.5, 1919, 1079, 1759, 876.5, {1759, 876, 960, 135}, {1855, 1052, 384, 54}, 384, 54, 960, 135},
    {1920, 1080, 1.5, 1919, 1079, 1823, 957.5, {1823, 958, 576, 81}, {1855, 1052, 384, 54}, 384, 54, 576, 81},
    // A pointer below the screen: the lens sits as for the bottom row, the copy starts at the real y.
    {1024, 768, 2.5, 512, 900, 352, 624, {352, 624, 512, 96}, {448, 881, 205, 38}, 204.8, 38.4, 512, 96},
    // Exact values (lens height 100, source height 40, OffsetY 20) on both placement boundaries:
    // a top equal to the source height is pushed down, one just above it stays; a bottom edge
    // exactly on the screen edge stays below the pointer, one past it goes above.
    {1280, 800, 2.5, 640, 20, 480, 80, {480, 80, 640, 100}, {576, 0, 256, 40}, 256, 40, 640, 100},
    {1280, 800, 2.5, 640, 21, 480, 41, {480, 41, 640, 100}, {576, 1, 256, 40}, 256, 40, 640, 100},
    {1280, 800, 2.5, 640, 680, 480, 700, {480, 700, 640, 100}, {576, 660, 256, 40}, 256, 40, 640, 100},
    {1280, 800, 2.5, 640, 681, 480, 531, {480, 531, 640, 100}, {576, 661, 256, 40}, 256, 40, 640, 100},
};

TEST(TickGeometry, WorkedExamples) {
    for (const auto& e : kWorkedExamples) {
        SCOPED_TRACE(testing::Message() << e.W << "x" << e.H << " Z=" << e.Z << " pointer " << e.pointerX
                                        << "," << e.pointerY);
        const TickGeometry g = ComputeTickGeometry({0, 0, e.W, e.H}, e.Z, e.pointerX, e.pointerY);
        EXPECT_DOUBLE_EQ(g.LensLeft, e.lensLeft);
        EXPECT_DOUBLE_EQ(g.LensTop, e.lensTop);
        EXPECT_EQ(Tie(LensWindowRect(g)), Tie(e.window));
        EXPECT_EQ(Tie(SourceCopyRect(g)), Tie(e.copy));
        EXPECT_DOUBLE_EQ(g.SourceWidth, e.sourceWidth);
        EXPECT_DOUBLE_EQ(g.SourceHeight, e.sourceHeight);
        EXPECT_DOUBLE_EQ(g.LensWidth, e.lensWidth);
        EXPECT_DOUBLE_EQ(g.LensHeight, e.lensHeight);
    }
}

// The primary, a larger monitor left of it and one below it.
constexpr PixelRect kPrimary{0, 0, 1024, 768}, kLeft{-1280, 0, 1280, 1024}, kBelow{0, 768, 1280, 1024};

// A monitor anywhere on the desktop: the tick runs in its frame and only then moves to its corner,
// so the lens takes that monitor's size and edges. Rectangles in screen pixels, the monitor's
// x, y, width, height first.
TEST(TickGeometry, WorkedExamplesOnAnyMonitor) {
    const struct {
        const char* what;
        PixelRect monitor;
        double Z;
        std::int32_t pointerX, pointerY;
        PixelRect window, copy;
    } cases[] = {
        {"left of the primary, middle", kLeft, 2.5, -640, 512, {-800, 538, 640, 128}, {-704, 486, 256, 51}},
        {"left of the primary, near its bottom: above the pointer", kLeft, 2.5, -680, 900,
         {-840, 708, 640, 128}, {-744, 874, 256, 51}},
        {"left of the primary, its first column", kLeft, 2.5, -1280, 300, {-1280, 326, 640, 128},
         {-1280, 274, 256, 51}},
        {"left of the primary, its last column", kLeft, 2.5, -1, 300, {-161, 326, 640, 128}, {-65, 274, 256, 51}},
        {"the primary's first column, next to it", kPrimary, 2.5, 0, 300, {0, 319, 512, 96}, {0, 281, 205, 38}},
        {"left of the primary, zoom 8: as wide as that monitor", kLeft, 8, -640, 512,
         {-1152, 538, 1280, 410}, {-704, 486, 160, 51}},
        {"below the primary, middle", kBelow, 2.5, 512, 1152, {352, 1178, 640, 128}, {448, 1126, 256, 51}},
        {"below the primary, its top row: pushed down", kBelow, 2.5, 100, 768, {0, 870, 640, 128}, {36, 768, 256, 51}},
        {"below the primary, its bottom row: above the pointer", kBelow, 2.5, 100, 1791,
         {0, 1599, 640, 128}, {36, 1765, 256, 51}},
        {"the primary's bottom row, above that monitor", kPrimary, 2.5, 100, 767, {0, 623, 512, 96},
         {36, 748, 205, 38}},
        {"smaller, right of the primary", {1024, 0, 800, 600}, 2.5, 1400, 300, {1240, 315, 400, 75},
         {1336, 285, 160, 30}},
        {"smaller, its bottom-right corner: 486.5 rounds to even", {1024, 0, 800, 600}, 2.5, 1823, 599,
         {1663, 486, 400, 75}, {1759, 584, 160, 30}},
        {"smaller, zoom 8", {1024, 0, 800, 600}, 8, 1400, 300, {1024, 315, 800, 240}, {1336, 285, 100, 30}},
        {"below the smaller monitor, where none is: as at its bottom row", {1024, 0, 800, 600}, 2.5, 1400, 700,
         {1240, 488, 400, 75}, {1336, 685, 160, 30}},
        // 876.5 and 957.5 in the frame round to 876 and 958; shifted by the odd top first they would
        // round to 978 and 1058.
        {"odd top, 876.5 in its frame", {1024, 101, 1920, 1080}, 2.5, 2943, 1180, {2783, 977, 960, 135},
         {2879, 1153, 384, 54}},
        {"odd top, 957.5 in its frame", {1024, 101, 1920, 1080}, 1.5, 2943, 1180, {2847, 1059, 576, 81},
         {2879, 1153, 384, 54}},
    };
    for (const auto& c : cases) {
        const TickGeometry g = ComputeTickGeometry(c.monitor, c.Z, c.pointerX, c.pointerY);
        EXPECT_EQ(Tie(LensWindowRect(g)), Tie(c.window)) << c.what;
        EXPECT_EQ(Tie(SourceCopyRect(g)), Tie(c.copy)) << c.what;
    }
}

// Positions to try on an axis: about forty, always including both edges and the pixels next to them.
std::vector<std::int32_t> Positions(std::int32_t extent) {
    std::vector<std::int32_t> positions = {0, 1, extent - 2, extent - 1};
    for (std::int32_t p = 0; p < extent; p += extent / 40 + 1) positions.push_back(p);
    return positions;
}

PixelRect Moved(PixelRect r, std::int32_t dx, std::int32_t dy) { return {r.x + dx, r.y + dy, r.width, r.height}; }

// Corners of monitors beside and below the primary, one of them odd in both directions.
constexpr std::pair<std::int32_t, std::int32_t> kCorners[] = {{-1280, 0}, {0, 768}, {1025, -101}};

// What must hold for every pointer on a monitor and every offered factor.
TEST(TickGeometryRelations, LensStaysOnScreenAndOffTheSource) {
    const std::pair<std::int32_t, std::int32_t> screens[] = {
        {800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};
    for (const auto& [width, height] : screens)
        for (const double zoom : ZoomChoices)
            for (std::int32_t x : Positions(width))
                for (std::int32_t y : Positions(height)) {
                    SCOPED_TRACE(testing::Message() << width << "x" << height << " Z=" << zoom
                                                    << " pointer " << x << "," << y);
                    const TickGeometry g = ComputeTickGeometry({0, 0, width, height}, zoom, x, y);
                    EXPECT_GE(std::min({g.SourceX, g.SourceY, g.LensLeft}), 0);
                    EXPECT_GT(g.LensTop, g.SourceHeight);
                    EXPECT_LE(g.LensTop + g.LensHeight, height);
                    EXPECT_LE(g.LensWidth, width);
                    EXPECT_DOUBLE_EQ(g.SourceWidth, std::min(width / 5.0, width / zoom));
                    // Rounding may let the lens share at most one row with the source.
                    const PixelRect lens = LensWindowRect(g), source = SourceCopyRect(g);
                    EXPECT_LE(std::min(lens.y + lens.height, source.y + source.height) - std::max(lens.y, source.y), 1);
                    // The same monitor elsewhere on the desktop shows the same lens, moved with it.
                    for (const auto& [left, top] : kCorners) {
                        const TickGeometry moved =
                            ComputeTickGeometry({left, top, width, height}, zoom, x + left, y + top);
                        EXPECT_EQ(Tie(LensWindowRect(moved)), Tie(Moved(lens, left, top)));
                        EXPECT_EQ(Tie(SourceCopyRect(moved)), Tie(Moved(source, left, top)));
                    }
                }
}

// Whether the tick waits for the compositor before it copies: a pointer that moves from `from` to `to`,
// with the lens shown at `from` unless it is the first tick.
TEST(CaptureMayFindOldLens, WorkedExamples) {
    const struct {
        const char* what;
        PixelRect monitor;
        double Z;
        struct { std::int32_t x, y; } from, to;
        bool shown, waits;
    } cases[] = {
        {"pointer still", kPrimary, 2.5, {512, 384}, {512, 384}, true, false},
        {"first tick", kPrimary, 2.5, {512, 384}, {512, 390}, false, false},
        {"moving right: the lens stays below the source", kPrimary, 2.5, {512, 384}, {520, 384}, true, false},
        {"moving down: the source reaches where the lens was", kPrimary, 2.5, {512, 384}, {512, 390}, true, true},
        {"moving up below the lens's flip", kPrimary, 2.5, {512, 384}, {512, 370}, true, false},
        {"moving up with the lens above the pointer", kPrimary, 2.5, {512, 700}, {512, 660}, true, true},
        {"flipping above the pointer near the bottom", kPrimary, 2.5, {512, 652}, {512, 653}, true, true},
        {"flipping back below the pointer", kPrimary, 2.5, {512, 653}, {512, 652}, true, false},
        {"zoom 8, moving right: the screen-wide lens stays put", kPrimary, 8, {300, 384}, {310, 384}, true, false},
        {"zoom 8, moving down", kPrimary, 8, {300, 384}, {300, 390}, true, true},
        {"a still lens sharing one row with its source", {0, 0, 1024, 780}, 2.5, {512, 385}, {512, 385}, true, false},
        {"left of the primary, moving down", kLeft, 2.5, {-640, 512}, {-640, 518}, true, true},
        {"left of the primary, moving right", kLeft, 2.5, {-640, 512}, {-630, 512}, true, false},
        {"below the primary, moving up with the lens above", kBelow, 2.5, {512, 1750}, {512, 1700}, true, true},
    };
    for (const auto& c : cases) {
        const TickGeometry before = ComputeTickGeometry(c.monitor, c.Z, c.from.x, c.from.y);
        const TickGeometry now = ComputeTickGeometry(c.monitor, c.Z, c.to.x, c.to.y);
        const auto shown = c.shown ? std::optional(LensWindowRect(before)) : std::nullopt;
        EXPECT_EQ(CaptureMayFindOldLens(shown, LensWindowRect(now), SourceCopyRect(now)), c.waits) << c.what;
    }
}

}  // namespace
