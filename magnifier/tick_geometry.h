#pragma once
// The zoom tick's geometry: where the lens goes and which screen area it shows.
#include <cstdint>
#include <optional>

struct PixelRect {
    std::int32_t x, y, width, height;
};

// All values in pixels of the monitor's frame (its top-left corner at 0, 0), held with their
// fractions as the tick computes them; the frame's corner is in screen pixels.
struct TickGeometry {
    double LensWidth, LensHeight, OffsetX, OffsetY;
    double CursorX, CursorY, SourceX, SourceY;
    double LensLeft, LensTop, SourceWidth, SourceHeight;
    std::int32_t FrameLeft, FrameTop;
};

// Pure computation of one tick from the monitor under the pointer (in screen pixels), the zoom
// factor and the pointer position; the arithmetic order is part of the result (it decides exact
// halves at the rounding to whole pixels).
// Unlike the design, which measures everything against the primary display at (0, 0): the lens
// follows the pointer onto every monitor, sized and bounded by the one it is on. For a monitor at
// (0, 0) the results are the design's, bit for bit.
TickGeometry ComputeTickGeometry(const PixelRect& monitor, double zoom, std::int32_t pointerX,
                                 std::int32_t pointerY);

// The lens window's position and size as SetWindowPos receives them, in screen pixels. Each value
// is rounded in the monitor's frame and the corner added after: ties to even do not survive a shift.
PixelRect LensWindowRect(const TickGeometry& g);

// The screen area the capture copies, rounded as the lens's rectangle is, in screen pixels.
PixelRect SourceCopyRect(const TickGeometry& g);

// Whether a copy of the source may still find the lens's last image where the desktop is composed
// (the compositor shows a move only with its next frame): only when the lens shows, moves, and the
// place it leaves meets the source. A first tick, a hidden lens, or a lens that stays put (which may
// share one row with its own source) leaves nothing old to wait for.
bool CaptureMayFindOldLens(const std::optional<PixelRect>& shownLens, const PixelRect& lens,
                           const PixelRect& source);
