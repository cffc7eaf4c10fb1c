// Reading the committed artwork files and the little-endian fields in them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace resource_tests {

using Bytes = std::vector<std::uint8_t>;

// Path of a file in the source tree's resources directory.
inline std::string resource_path(const std::string& name) {
    std::string dir = VISTAK_RESOURCE_DIR;
#ifdef _WIN32
    // A cross build passes a Linux path; Wine serves the Linux root as Z:.
    if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
#endif
    return dir + "/" + name;
}

inline Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline unsigned u16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }

inline std::uint32_t u32(const Bytes& b, std::size_t at) {
    return u16(b, at) | static_cast<std::uint32_t>(u16(b, at + 2)) << 16;
}

}  // namespace resource_tests
