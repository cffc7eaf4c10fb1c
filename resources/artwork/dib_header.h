// The BITMAPINFOHEADER and colour table that bitmap files and icon images share.
#pragma once

#include <cstdint>

#include "bytes.h"

namespace artwork {

inline void PutInfoHeader(Bytes& out, std::uint32_t width, std::uint32_t height, unsigned bitsPerPixel,
                          std::uint32_t imageBytes, std::uint32_t coloursUsed) {
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);
    PutU16(out, bitsPerPixel);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, 0);  // no resolution
    PutU32(out, 0);
    PutU32(out, coloursUsed);
    PutU32(out, 0);  // every colour counts
}

// Blue, green, red and a zero byte for each colour.
template <typename Colours>
void PutColourTable(Bytes& out, const Colours& palette) {
    for (const auto& c : palette) {
        PutU8(out, c.b);
        PutU8(out, c.g);
        PutU8(out, c.r);
        PutU8(out, 0);
    }
}

}  // namespace artwork
