#include "image_files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace resource_tests {

std::string resource_path(const std::string& name) {
    std::string dir = VISTAK_RESOURCE_DIR;
#ifdef _WIN32
    // A cross build passes a Linux path; Wine serves the Linux root as Z:.
    if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
#endif
    return dir + "/" + name;
}

Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned u16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }

std::uint32_t u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | static_cast<std::uint32_t>(u16(b, at + 2)) << 16;
}

std::int32_t i32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }

int Icon::opaque_count() const {
    int n = 0;
    for (const auto& row : opaque) {
        for (bool o : row) n += o;
    }
    return n;
}

Icon parse_icon(const Bytes& file) {
    const std::size_t image = u32(file, 18);
    const std::size_t palette = image + u32(file, image);
    const std::size_t colours = palette + 64;
    const std::size_t mask = colours + 512;
    Icon icon{};
    for (int i = 0; i < 16; ++i) {
        const std::size_t p = palette + 4 * i;
        icon.palette[i] = {file.at(p + 2), file.at(p + 1), file.at(p)};
    }
    for (int y = 0; y < 32; ++y) {
        const int stored_row = 31 - y;  // bottom row first
        for (int x = 0; x < 32; ++x) {
            const std::uint8_t pair = file.at(colours + stored_row * 16 + x / 2);
            icon.index[y][x] = x % 2 ? pair & 0x0F : pair >> 4;
            const std::uint8_t bits = file.at(mask + stored_row * 4 + x / 8);
            icon.opaque[y][x] = !(bits & (0x80 >> (x % 8)));
        }
    }
    return icon;
}

Bitmap parse_bmp(const Bytes& file) {
    Bitmap bmp;
    bmp.width = i32(file, 18);
    bmp.height = i32(file, 22);
    const std::size_t entries = u32(file, 46);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t p = 54 + 4 * i;
        bmp.palette.push_back({file.at(p + 2), file.at(p + 1), file.at(p)});
    }
    const std::size_t data = u32(file, 10);
    const std::size_t stride = (bmp.width + 3) / 4 * 4;
    bmp.index.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = data + (bmp.height - 1 - y) * stride;
        for (int x = 0; x < bmp.width; ++x) {
            const int index = file.at(row + x);
            if (index >= static_cast<int>(entries)) throw std::runtime_error("index past palette");
            bmp.index[y * bmp.width + x] = index;
        }
    }
    return bmp;
}

}  // namespace resource_tests
