// The BITMAPINFOHEADER and colour table that bitmap files and icon images share.
#pragma once

#include <cstdint>

#include "bytes.h"

namespace artwork {

inline void put_info_header(Bytes& out, std::uint32_t width, std::uint32_t height, unsigned bits_per_pixel,
                            std::uint32_t image_bytes, std::uint32_t colours_used) {
    put_u32(out, 40);
    put_u32(out, width);
    put_u32(out, height);
    put_u16(out, 1);
    put_u16(out, bits_per_pixel);
    put_u32(out, 0);  // BI_RGB
    put_u32(out, image_bytes);
    put_u32(out, 0);  // no resolution
    put_u32(out, 0);
    put_u32(out, colours_used);
    put_u32(out, 0);  // every colour counts
}

// Blue, green, red and a zero byte for each colour.
template <typename Colours>
void put_colour_table(Bytes& out, const Colours& palette) {
    for (const auto& c : palette) {
        put_u8(out, c.b);
        put_u8(out, c.g);
        put_u8(out, c.r);
        put_u8(out, 0);
    }
}

}  // namespace artwork
