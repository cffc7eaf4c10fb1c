#include "splash.h"

#include <stdexcept>

#include "font.h"
#include "penrose.h"

namespace artwork {
namespace {

// Drawn this many times larger, then averaged, to smooth the edges.
constexpr int kSupersample = 4;

void Compose(Canvas& canvas) {
    const double s = kSupersample;
    const double cx = kSplashVisibleWidth / 2.0 * s;
    DrawTextOnArc(canvas, "VISTAK", cx, 277 * s, 220 * s, 6 * s, kYellow);
    DrawPenrose(canvas, PenroseFaces(cx, 174 * s, 200 * s), {kWhite, kBlue, kLightGrey});
    DrawText(canvas, "PELMARO - LURNO", cx, 280 * s, 3 * s, kWhite);
    DrawText(canvas, "SOFTWARE PER IPOVEDENTI", cx, 315 * s, 2 * s, kLightGrey);
}

bool InsideDrawingArea(int x, int y) {
    return x < kSplashVisibleWidth && y >= kSplashFirstRow && y <= kSplashLastRow;
}

}  // namespace

Canvas SplashPixels() {
    Canvas large(kSplashWidth * kSupersample, kSplashHeight * kSupersample, kNavy);
    Compose(large);

    const std::vector<Rgb> palette = SplashPalette();
    Canvas image(kSplashWidth, kSplashHeight);
    constexpr int kSamples = kSupersample * kSupersample;
    for (int y = 0; y < kSplashHeight; ++y) {
        for (int x = 0; x < kSplashWidth; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < kSupersample; ++dy) {
                for (int dx = 0; dx < kSupersample; ++dx) {
                    const Rgb& c = palette[large.At(x * kSupersample + dx, y * kSupersample + dy)];
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            const Rgb mean{static_cast<std::uint8_t>((r + kSamples / 2) / kSamples),
                           static_cast<std::uint8_t>((g + kSamples / 2) / kSamples),
                           static_cast<std::uint8_t>((b + kSamples / 2) / kSamples)};
            const int index = NearestColour(palette, mean);
            if (index != kNavy && !InsideDrawingArea(x, y)) {
                throw std::logic_error("splash drawing strays outside its area");
            }
            image.Set(x, y, index);
        }
    }
    return image;
}

}  // namespace artwork
