#include "magnifier/tick_geometry.h"

#include "forms/int32_conversion.h"

TickGeometry ComputeTickGeometry(double screenWidth, double screenHeight, double zoom,
                                 std::int32_t pointerX, std::int32_t pointerY) {
    const double W = screenWidth;
    const double H = screenHeight;
    const double Z = zoom;
    TickGeometry g{};

    // Lens size: a fifth of the width and a twentieth of the height, enlarged.
    g.LensWidth = (W / 5) * Z;
    g.LensHeight = ((H / 8) / 2.5) * Z;
    g.OffsetX = 32;
    g.OffsetY = (g.LensHeight / Z) / 2;
    if (g.LensWidth > W) g.LensWidth = W;

    // A pointer below the primary display places the lens as if at its bottom edge.
    g.CursorX = pointerX;
    g.CursorY = pointerY;
    if (g.CursorY > H) g.CursorY = H;

    // The source uses the pointer's real y, not the lowered one.
    g.SourceX = g.CursorX - (g.OffsetX * 2);
    if (g.SourceX <= 0) g.SourceX = 0;
    g.SourceY = pointerY - g.OffsetY;
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
    return {ToInt32(g.LensLeft), ToInt32(g.LensTop), ToInt32(g.LensWidth), ToInt32(g.LensHeight)};
}

PixelRect SourceCopyRect(const TickGeometry& g) {
    using forms::ToInt32;
    return {ToInt32(g.SourceX), ToInt32(g.SourceY), ToInt32(g.SourceWidth), ToInt32(g.SourceHeight)};
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
