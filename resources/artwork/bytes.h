// Little-endian field writers for the Windows file formats.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

using Bytes = std::vector<std::uint8_t>;

inline void put_u8(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
}

inline void put_u16(Bytes& out, unsigned value) {
    put_u8(out, value & 0xFF);
    put_u8(out, (value >> 8) & 0xFF);
}

inline void put_u32(Bytes& out, std::uint32_t value) {
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

}  // namespace artwork
