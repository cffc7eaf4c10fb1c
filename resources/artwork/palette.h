// Colours of the artwork: the standard 16-colour palette and the splash
// image's 256-colour palette that begins with it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace artwork {

struct Rgb {
    std::uint8_t r, g, b;
};

// Indices into the standard palette (and into the splash palette, which
// starts with the same 16 colours).
enum StandardColour : int {
    kBlack = 0,
    kDarkRed = 1,
    kDarkGreen = 2,
    kDarkYellow = 3,
    kNavy = 4,  // dark blue (0, 0, 128)
    kDarkMagenta = 5,
    kDarkCyan = 6,
    kLightGrey = 7,
    kMidGrey = 8,
    kRed = 9,
    kGreen = 10,
    kYellow = 11,
    kBlue = 12,
    kMagenta = 13,
    kCyan = 14,
    kWhite = 15,
};

using Palette16 = std::array<Rgb, 16>;

Palette16 StandardPalette();

// The standard colours, a 6 x 6 x 6 colour cube and a grey ramp: 256 entries,
// enough to smooth the edges of the splash drawing.
std::vector<Rgb> SplashPalette();

// Index of the entry closest to `colour`; the lowest index wins a tie, so an
// exact standard colour always maps to its standard index.
int NearestColour(const std::vector<Rgb>& palette, Rgb colour);

}  // namespace artwork
