// The committed artwork: in the layouts the loaders expect, and (where the
// generator runs) exactly what the generator draws, so the two cannot drift apart.
// What the drawings hold (opaque pixels, the plain navy band) the generator
// checks as it draws.
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

TEST(IconFiles, Layout) {
    for (const char* name : {"vistak.ico", "sda.ico"}) {
        const Bytes f = ReadFile(ResourcePath(name));
        ASSERT_EQ(f.size(), 766u) << name;
        EXPECT_EQ(Bytes(f.begin(), f.begin() + 46), kIconHead) << name;
    }
}

TEST(SplashBitmap, Layout) {
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
