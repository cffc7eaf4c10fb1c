// Minimal readers for the committed icon and bitmap files, so the tests can
// check them field by field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace resource_tests {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{192, 192, 192};
constexpr Rgb kMidGrey{128, 128, 128};

// Path of a file in the source tree's resources directory.
std::string resource_path(const std::string& name);
Bytes read_file(const std::string& path);

unsigned u16(const Bytes& b, std::size_t at);
std::uint32_t u32(const Bytes& b, std::size_t at);
std::int32_t i32(const Bytes& b, std::size_t at);

// The 32 x 32, 4-bit image of an icon file (its data at byte 22).
struct Icon {
    std::array<Rgb, 16> palette;
    int index[32][32];  // [y][x], top row first
    bool opaque[32][32];
    Rgb colour(int x, int y) const { return palette[index[y][x]]; }
    int opaque_count() const;
};
Icon parse_icon(const Bytes& file);

// An 8-bit bitmap file.
struct Bitmap {
    int width = 0, height = 0;
    std::vector<Rgb> palette;
    std::vector<int> index;  // top row first
    Rgb colour(int x, int y) const { return palette[index[y * width + x]]; }
};
Bitmap parse_bmp(const Bytes& file);

}  // namespace resource_tests
