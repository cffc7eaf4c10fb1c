#include "palette.h"

#include <cstddef>

namespace artwork {

Palette16 StandardPalette() {
    return {{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
             {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
             {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
             {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};
}

std::vector<Rgb> SplashPalette() {
    const Palette16 standard = StandardPalette();
    std::vector<Rgb> palette(standard.begin(), standard.end());
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                palette.push_back({static_cast<std::uint8_t>(r * 51),
                                   static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51)});
            }
        }
    }
    for (int i = 0; i < 24; ++i) {
        const auto v = static_cast<std::uint8_t>(8 + i * 10);
        palette.push_back({v, v, v});
    }
    return palette;
}

int NearestColour(const std::vector<Rgb>& palette, Rgb colour) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = long(palette[i].r) - colour.r;
        const long dg = long(palette[i].g) - colour.g;
        const long db = long(palette[i].b) - colour.b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace artwork
