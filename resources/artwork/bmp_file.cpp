#include "bmp_file.h"

#include <stdexcept>

namespace artwork {

Bytes bmp8_file(const Canvas& pixels, const std::vector<Rgb>& palette) {
    if (palette.empty() || palette.size() > 256) {
        throw std::invalid_argument("an 8-bit bitmap has 1 to 256 colours");
    }
    const unsigned stride = (static_cast<unsigned>(pixels.width()) + 3) & ~3u;
    const unsigned image_bytes = stride * static_cast<unsigned>(pixels.height());
    const unsigned data_offset = 14 + 40 + 4 * static_cast<unsigned>(palette.size());
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put_u32(out, data_offset + image_bytes);
    put_u32(out, 0);
    put_u32(out, data_offset);
    put_u32(out, 40);
    put_u32(out, static_cast<std::uint32_t>(pixels.width()));
    put_u32(out, static_cast<std::uint32_t>(pixels.height()));
    put_u16(out, 1);
    put_u16(out, 8);
    put_u32(out, 0);  // BI_RGB
    put_u32(out, image_bytes);
    put_u32(out, 0);
    put_u32(out, 0);
    put_u32(out, static_cast<std::uint32_t>(palette.size()));
    put_u32(out, 0);
    for (const Rgb& c : palette) {
        put_u8(out, c.b);
        put_u8(out, c.g);
        put_u8(out, c.r);
        put_u8(out, 0);
    }
    for (int y = pixels.height() - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const int index = pixels.at(x, y);
            if (index < 0 || index >= static_cast<int>(palette.size())) {
                throw std::invalid_argument("pixel outside the palette");
            }
            put_u8(out, static_cast<unsigned>(index));
        }
        for (unsigned pad = static_cast<unsigned>(pixels.width()); pad < stride; ++pad) {
            put_u8(out, 0);
        }
    }
    return out;
}

}  // namespace artwork
