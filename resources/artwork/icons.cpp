#include "icons.h"

#include <stdexcept>
#include <utility>

#include "icon_file.h"
#include "penrose.h"

namespace artwork {
namespace {

constexpr FaceColours kIconFaces{kWhite, kBlue, kMidGrey};

Canvas DrawIcon(double width) {
    Canvas canvas(kIconSize, kIconSize);
    DrawPenrose(canvas, PenroseFaces(kIconSize / 2.0, kIconSize / 2.0, width), kIconFaces);
    return canvas;
}

int OpaquePixels(const Canvas& canvas) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) count += canvas.At(x, y) != Canvas::kTransparent;
    }
    return count;
}

}  // namespace

Canvas ProgramIconPixels() {
    // The pixel count only changes at a few sizes; take the middle of the first
    // run of sizes (in hundredths of a pixel) that gives the wanted count, away
    // from the sizes where an edge passes a pixel centre.
    int first = -1, last = -1;
    for (int hundredths = 2400; hundredths <= 3200; ++hundredths) {
        const bool hit = OpaquePixels(DrawIcon(hundredths / 100.0)) == kIconOpaquePixels;
        if (hit && first < 0) first = hundredths;
        if (hit) last = hundredths;
        if (!hit && first >= 0) break;
    }
    if (first < 0) throw std::runtime_error("no icon size gives the wanted pixel count");
    return DrawIcon((first + last) / 200.0);
}

Palette16 ProgramIconPalette() { return StandardPalette(); }

Canvas SplashIconPixels() {
    const Canvas icon = ProgramIconPixels();
    Canvas trimmed = icon;
    auto opaque = [&](int x, int y) {
        return icon.Contains(x, y) && icon.At(x, y) != Canvas::kTransparent;
    };
    // A pixel with at most one opaque side-neighbour is a lone tip of an edge.
    for (int y = 0; y < icon.Height(); ++y) {
        for (int x = 0; x < icon.Width(); ++x) {
            if (!opaque(x, y)) continue;
            const int sides = opaque(x - 1, y) + opaque(x + 1, y) + opaque(x, y - 1) + opaque(x, y + 1);
            if (sides <= 1) trimmed.Set(x, y, Canvas::kTransparent);
        }
    }
    return trimmed;
}

Palette16 SplashIconPalette() {
    Palette16 palette = StandardPalette();
    std::swap(palette[kLightGrey], palette[kMidGrey]);
    return palette;
}

}  // namespace artwork
