// Draws the program's icons and splash image: vistak_artwork OUTDIR
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bmp_file.h"
#include "icon_file.h"
#include "icons.h"
#include "splash.h"

namespace {

void Save(const std::string& path, const artwork::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vistak_artwork OUTDIR\n");
        return 2;
    }
    try {
        using namespace artwork;
        const std::string dir = std::string(argv[1]) + "/";
        const Bytes program = IconImage(ProgramIconPixels(), ProgramIconPalette());
        Save(dir + "vistak.ico", IconFile(program));
        // The bare image, for the icon resource that the icon group points to.
        Save(dir + "vistak_icon.bin", program);
        Save(dir + "sda.ico", IconFile(IconImage(SplashIconPixels(), SplashIconPalette())));
        Save(dir + "splash.bmp", Bmp8File(SplashPixels(), SplashPalette()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vistak_artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
