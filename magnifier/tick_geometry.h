#pragma once
// The zoom tick's geometry: where the lens goes and which screen area it shows.
#include <cstdint>
#include <optional>

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

// The screen area the capture copies, each value rounded as BitBlt receives it.
PixelRect SourceCopyRect(const TickGeometry& g);

// Whether a copy of the source may still find the lens's last image where the desktop is composed
// (the compositor shows a move only with its next frame): only when the lens shows, moves, and the
// place it leaves meets the source. A first tick, a hidden lens, or a lens that stays put (which may
// share one row with its own source) leaves nothing old to wait for.
bool CaptureMayFindOldLens(const std::optional<PixelRect>& shownLens, const PixelRect& lens,
                           const PixelRect& source);
