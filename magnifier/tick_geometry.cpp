#include "magnifier/tick_geometry.h"

#include "forms/int32_conversion.h"

TickGeometry ComputeTickGeometry(const PixelRect& monitor, double zoom, std::int32_t pointerX,
                                 std::int32_t pointerY) {
    const double W = monitor.width;
    const double H = monitor.height;
    const double Z = zoom;
    TickGeometry g{};
    g.FrameLeft = monitor.x;
    g.FrameTop = monitor.y;
    // Exact in a double: the difference of two 32-bit integers.
    const double frameX = static_cast<double>(pointerX) - monitor.x;
    const double frameY = static_cast<double>(pointerY) - monitor.y;

    // Lens size: a fifth of the width and a twentieth of the height, enlarged.
    g.LensWidth = (W / 5) * Z;
    g.LensHeight = ((H / 8) / 2.5) * Z;
    g.OffsetX = 32;
    g.OffsetY = (g.LensHeight / Z) / 2;
    if (g.LensWidth > W) g.LensWidth = W;

    // A pointer below the monitor (a stale reading) places the lens as if at its bottom edge.
    g.CursorX = frameX;
    g.CursorY = frameY;
    if (g.CursorY > H) g.CursorY = H;

    // The source uses the pointer's real y, not the lowered one.
    g.SourceX = g.CursorX - (g.OffsetX * 2);
    if (g.SourceX <= 0) g.SourceX = 0;
    g.SourceY = frameY - g.OffsetY;
    if (g.SourceY < 0) g.SourceY = 0;

    // The lens hangs just below the source, shifted so the pointer's column lines up.
    g.LensLeft = g.CursorX - ((g.OffsetX * Z) * 2);
    if (g.LensLeft <= 0) g.LensLeft = 0;
    g.LensTop = g.CursorY + g.OffsetY;

    // Near the bottom it goes above the pointer; near the top it is pushed down
    // to twice the source height so it never covers the source.
    if (g.LensTop > (H - g.LensHeight)) g.LensTop = (g.CursorY - g.LensHeight) - (g.OffsetY * Z);
    if (g.LensTop <= g.LensHeight / Z) g.LensTop = ((g.LensHeight / Z) + g.OffsetY) + g.OffsetY;

    // Source size from the lens size after the width limit.
    g.SourceWidth = g.LensWidth / Z;
    g.SourceHeight = g.LensHeight / Z;
    return g;
}

PixelRect LensWindowRect(const TickGeometry& g) {
    using forms::ToInt32;
    return {ToInt32(g.LensLeft) + g.FrameLeft, ToInt32(g.LensTop) + g.FrameTop, ToInt32(g.LensWidth),
            ToInt32(g.LensHeight)};
}

PixelRect SourceCopyRect(const TickGeometry& g) {
    using forms::ToInt32;
    return {ToInt32(g.SourceX) + g.FrameLeft, ToInt32(g.SourceY) + g.FrameTop, ToInt32(g.SourceWidth),
            ToInt32(g.SourceHeight)};
}

bool CaptureMayFindOldLens(const std::optional<PixelRect>& shownLens, const PixelRect& lens,
                           const PixelRect& source) {
    if (!shownLens) return false;
    const PixelRect& old = *shownLens;
    const bool moves = old.x != lens.x || old.y != lens.y || old.width != lens.width || old.height != lens.height;
    const bool meets = old.x < source.x + source.width && source.x < old.x + old.width &&
                       old.y < source.y + source.height && source.y < old.y + old.height;
    return moves && meets;
}
