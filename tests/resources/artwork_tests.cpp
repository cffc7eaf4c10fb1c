// The committed artwork must be exactly what the generator draws, so the two
// cannot drift apart.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "image_files.h"

namespace resource_tests {
namespace {

namespace fs = std::filesystem;

TEST(Artwork, GeneratorReproducesTheCommittedFiles) {
    const fs::path out = fs::temp_directory_path() / "vistak_artwork_test";
    fs::remove_all(out);
    fs::create_directories(out);
    const std::string command = std::string("\"") + VISTAK_ARTWORK_TOOL + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"vistak.ico", "vistak_icon.bin", "sda.ico", "splash.bmp"}) {
        EXPECT_EQ(read_file((out / name).string()), read_file(resource_path(name))) << name;
    }
    fs::remove_all(out);
}

}  // namespace
}  // namespace resource_tests
