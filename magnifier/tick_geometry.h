#pragma once
// The zoom tick's geometry: where the lens goes and which screen area it shows.
#include <cstdint>

// All values in screen pixels, held with their fractions as the tick computes them.
struct TickGeometry {
    double LensWidth, LensHeight, OffsetX, OffsetY;
    double CursorX, CursorY, SourceX, SourceY;
    double LensLeft, LensTop, SourceWidth, SourceHeight;
};

struct PixelRect {
    std::int32_t x, y, width, height;
};

// Pure computation of one tick from the screen size, the zoom factor and the
// pointer position; the arithmetic order is part of the result (it decides
// exact halves at the rounding to whole pixels).
TickGeometry ComputeTickGeometry(double screenWidth, double screenHeight, double zoom,
                                 std::int32_t pointerX, std::int32_t pointerY);

// The lens window's position and size as SetWindowPos receives them.
PixelRect LensWindowRect(const TickGeometry& g);
