// The committed artwork: in the layouts the loaders expect, and (where the
// generator runs) exactly what the generator draws, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A cross build passes Linux paths; Wine serves the Linux root as Z:.
std::string ResourcePath(const std::string& name) {
    const std::string folder = VISTAK_RESOURCE_DIR;
#ifdef _WIN32
    if (folder[0] == '/') return "Z:" + folder + "/" + name;
#endif
    return folder + "/" + name;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned U16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }

unsigned U32(const Bytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// One 32 x 32, 16-colour image of 744 bytes at offset 22, then its
// BITMAPINFOHEADER, whose height counts the colour bitmap and the mask.
const Bytes kIconHead{0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xE8, 2, 0, 0, 22, 0, 0, 0, 40, 0,
                      0, 0, 32, 0, 0, 0, 64, 0, 0, 0, 1,  0, 4, 0, 0, 0, 0, 0, 0x80, 2, 0, 0};

TEST(IconFiles, LayoutAndMask) {
    const struct {
        const char* name;
        int opaque;
    } icons[] = {{"vistak.ico", 418}, {"sda.ico", 415}};
    for (const auto& icon : icons) {
        const Bytes f = ReadFile(ResourcePath(icon.name));
        ASSERT_EQ(f.size(), 766u) << icon.name;
        EXPECT_EQ(Bytes(f.begin(), f.begin() + 46), kIconHead) << icon.name;
        int opaque = 0;
        for (int pixel = 0; pixel < 32 * 32; ++pixel) {
            const bool hidden = f[638 + pixel / 8] & (0x80 >> (pixel % 8));
            const int colour = f[126 + pixel / 2] >> (pixel % 2 ? 0 : 4) & 0x0F;
            opaque += !hidden;
            // A hidden pixel that is not black would invert the background behind the icon.
            EXPECT_TRUE(!hidden || colour == 0) << icon.name << " pixel " << pixel;
        }
        EXPECT_EQ(opaque, icon.opaque) << icon.name;
    }
}

TEST(SplashBitmap, LayoutAndNavyOutsideTheShownBand) {
    const Bytes f = ReadFile(ResourcePath("splash.bmp"));
    ASSERT_EQ(f.size(), 114646u);
    const struct {
        std::size_t at, size;
        std::uint32_t value;
        const char* what;
    } fields[] = {{0, 2, 0x4D42, "BM"},      {2, 4, 114646, "file size"}, {10, 4, 1078, "bits offset"},
                  {14, 4, 40, "info size"},  {18, 4, 311, "width"},       {22, 4, 364, "height: bottom row first"},
                  {26, 2, 1, "planes"},      {28, 2, 8, "bits"},          {30, 4, 0, "BI_RGB"},
                  {34, 4, 113568, "image size"}, {46, 4, 256, "colours"}};
    for (const auto& field : fields)
        EXPECT_EQ(field.size == 2 ? U16(f, field.at) : U32(f, field.at), field.value) << field.what;
    // The splash window cuts off the columns from 308 on and covers the rows outside 14 to 328.
    for (int y = 0; y < 364; ++y)
        for (int x = 0; x < 311; ++x) {
            const bool shown = x < 308 && y >= 14 && y <= 328;
            const std::uint32_t bgr = U32(f, 54 + 4 * f[1078 + (363 - y) * 312 + x]);
            ASSERT_TRUE(shown || bgr == 0x80) << x << "," << y;
        }
}

#ifdef VISTAK_ARTWORK_TOOL
TEST(Artwork, GeneratorReproducesTheCommittedFiles) {
    namespace fs = std::filesystem;
    const fs::path out = fs::temp_directory_path() / "vistak_artwork_test";
    fs::remove_all(out);
    fs::create_directories(out);
    const std::string command = std::string("\"") + VISTAK_ARTWORK_TOOL + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"vistak.ico", "vistak_icon.bin", "sda.ico", "splash.bmp"}) {
        EXPECT_EQ(ReadFile((out / name).string()), ReadFile(ResourcePath(name))) << name;
    }
    fs::remove_all(out);
}
#endif

}  // namespace
