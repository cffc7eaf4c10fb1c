// The committed icon files: exact layout, palette and drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "image_files.h"

namespace resource_tests {
namespace {

const std::array<Rgb, 16> kStandardPalette{{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},
                                            {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
                                            {0, 128, 128},   {192, 192, 192}, {128, 128, 128},
                                            {255, 0, 0},     {0, 255, 0},   {255, 255, 0},
                                            {0, 0, 255},     {255, 0, 255}, {0, 255, 255},
                                            {255, 255, 255}}};

Bytes program_icon() { return read_file(resource_path("vistak.ico")); }
Bytes splash_icon() { return read_file(resource_path("sda.ico")); }

void expect_icon_layout(const Bytes& f) {
    ASSERT_EQ(f.size(), 766u);
    // Icon header and its one directory entry.
    const Bytes head(f.begin(), f.begin() + 22);
    EXPECT_EQ(head, (Bytes{0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xE8, 0x02, 0, 0, 22, 0, 0, 0}));
    // BITMAPINFOHEADER: the height counts the colour bitmap and the mask.
    EXPECT_EQ(u32(f, 22), 40u);
    EXPECT_EQ(i32(f, 26), 32);
    EXPECT_EQ(i32(f, 30), 64);
    EXPECT_EQ(u16(f, 34), 1u);
    EXPECT_EQ(u16(f, 36), 4u);
    EXPECT_EQ(u32(f, 38), 0u);    // no compression
    EXPECT_EQ(u32(f, 42), 640u);  // colour bitmap plus mask
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(f[62 + 4 * i + 3], 0) << "palette entry " << i;
}

// Pixels the mask hides must be black in the colour bitmap, or they would
// invert the background instead of letting it show through.
void expect_hidden_pixels_black(const Icon& icon) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!icon.opaque[y][x]) {
                EXPECT_EQ(icon.index[y][x], 0) << x << "," << y;
            }
        }
    }
}

std::set<std::array<int, 3>> opaque_colours(const Icon& icon) {
    std::set<std::array<int, 3>> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (icon.opaque[y][x]) colours.insert({icon.colour(x, y).r, icon.colour(x, y).g, icon.colour(x, y).b});
        }
    }
    return colours;
}

TEST(ProgramIcon, HasTheFixedIconLayout) { expect_icon_layout(program_icon()); }

TEST(ProgramIcon, UsesTheStandardPaletteInOrder) {
    EXPECT_EQ(parse_icon(program_icon()).palette, kStandardPalette);
}

TEST(ProgramIcon, Has418OpaquePixels) { EXPECT_EQ(parse_icon(program_icon()).opaque_count(), 418); }

TEST(ProgramIcon, FacesAreBlueWhiteAndMidGrey) {
    const Icon icon = parse_icon(program_icon());
    EXPECT_EQ(opaque_colours(icon), (std::set<std::array<int, 3>>{{0, 0, 255}, {255, 255, 255}, {128, 128, 128}}));
    expect_hidden_pixels_black(icon);
}

TEST(ProgramIcon, ResourceImageIsTheFilesImage) {
    const Bytes file = program_icon();
    EXPECT_EQ(read_file(resource_path("vistak_icon.bin")), Bytes(file.begin() + 22, file.end()));
}

TEST(SplashIcon, HasTheFixedIconLayout) { expect_icon_layout(splash_icon()); }

TEST(SplashIcon, PaletteSwapsTheTwoGreys) {
    std::array<Rgb, 16> expected = kStandardPalette;
    std::swap(expected[7], expected[8]);
    EXPECT_EQ(parse_icon(splash_icon()).palette, expected);
}

TEST(SplashIcon, FacesAreBlueWhiteAndLightGrey) {
    const Icon icon = parse_icon(splash_icon());
    EXPECT_EQ(opaque_colours(icon), (std::set<std::array<int, 3>>{{0, 0, 255}, {255, 255, 255}, {192, 192, 192}}));
    expect_hidden_pixels_black(icon);
}

TEST(SplashIcon, IsTheSameFigureWithAFewMaskPixelsChanged) {
    const Icon program = parse_icon(program_icon());
    const Icon splash = parse_icon(splash_icon());
    int mask_differences = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (program.opaque[y][x] != splash.opaque[y][x]) {
                ++mask_differences;
            } else if (program.opaque[y][x]) {
                const Rgb expected = program.colour(x, y) == kMidGrey ? kLightGrey : program.colour(x, y);
                EXPECT_EQ(splash.colour(x, y), expected) << x << "," << y;
            }
        }
    }
    EXPECT_GE(mask_differences, 1);
    EXPECT_LE(mask_differences, 16);
}

}  // namespace
}  // namespace resource_tests
