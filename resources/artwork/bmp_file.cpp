#include "bmp_file.h"

#include <stdexcept>

#include "dib_header.h"

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
    put_info_header(out, static_cast<std::uint32_t>(pixels.width()), static_cast<std::uint32_t>(pixels.height()), 8,
                    image_bytes, static_cast<std::uint32_t>(palette.size()));
    put_colour_table(out, palette);
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
