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

// A cross build passes Linux paths; Wine serves the Linux root as Z:.
inline std::string wine_path(const std::string& path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') return "Z:" + path;
#endif
    return path;
}

// Path of a file in the source tree's resources directory.
inline std::string resource_path(const std::string& name) { return wine_path(VISTAK_RESOURCE_DIR) + "/" + name; }

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
