#include "icons.h"

#include <stdexcept>
#include <utility>

#include "icon_file.h"
#include "penrose.h"

namespace artwork {
namespace {

constexpr FaceColours kIconFaces{kWhite, kBlue, kMidGrey};

Canvas draw_icon(double width) {
    Canvas canvas(kIconSize, kIconSize);
    draw_penrose(canvas, penrose_faces(kIconSize / 2.0, kIconSize / 2.0, width), kIconFaces);
    return canvas;
}

int opaque_pixels(const Canvas& canvas) {
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) count += canvas.at(x, y) != Canvas::kTransparent;
    }
    return count;
}

}  // namespace

Canvas program_icon_pixels() {
    // The pixel count only changes at a few sizes; take the middle of the first
    // run of sizes (in hundredths of a pixel) that gives the wanted count, away
    // from the sizes where an edge passes a pixel centre.
    int first = -1, last = -1;
    for (int hundredths = 2400; hundredths <= 3200; ++hundredths) {
        const bool hit = opaque_pixels(draw_icon(hundredths / 100.0)) == kIconOpaquePixels;
        if (hit && first < 0) first = hundredths;
        if (hit) last = hundredths;
        if (!hit && first >= 0) break;
    }
    if (first < 0) throw std::runtime_error("no icon size gives the wanted pixel count");
    return draw_icon((first + last) / 200.0);
}

Palette16 program_icon_palette() { return standard_palette(); }

Canvas splash_icon_pixels() {
    const Canvas icon = program_icon_pixels();
    Canvas trimmed = icon;
    auto opaque = [&](int x, int y) {
        return icon.contains(x, y) && icon.at(x, y) != Canvas::kTransparent;
    };
    // A pixel with at most one opaque side-neighbour is a lone tip of an edge.
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (!opaque(x, y)) continue;
            const int sides = opaque(x - 1, y) + opaque(x + 1, y) + opaque(x, y - 1) + opaque(x, y + 1);
            if (sides <= 1) trimmed.set(x, y, Canvas::kTransparent);
        }
    }
    return trimmed;
}

Palette16 splash_icon_palette() {
    Palette16 palette = standard_palette();
    std::swap(palette[kLightGrey], palette[kMidGrey]);
    return palette;
}

}  // namespace artwork
