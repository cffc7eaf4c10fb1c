#include "icon_file.h"

#include <stdexcept>

#include "dib_header.h"

namespace artwork {

Bytes icon_image(const Canvas& pixels, const Palette16& palette) {
    if (pixels.width() != kIconSize || pixels.height() != kIconSize) {
        throw std::invalid_argument("icon must be 32 x 32");
    }
    constexpr unsigned kColourBytes = kIconSize * kIconSize / 2;
    constexpr unsigned kMaskBytes = kIconSize * kIconSize / 8;
    Bytes out;
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask, and
    // the image size field gives the bytes of both.
    put_info_header(out, kIconSize, kIconSize * 2, 4, kColourBytes + kMaskBytes, 0);
    put_colour_table(out, palette);
    // Colour bitmap, bottom row first, two pixels a byte, high nibble left.
    // Transparent pixels are black so the mask alone decides what shows.
    for (int y = kIconSize - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSize; x += 2) {
            const int left = pixels.at(x, y), right = pixels.at(x + 1, y);
            put_u8(out, (left < 0 ? 0 : left) << 4 | (right < 0 ? 0 : right));
        }
    }
    // Mask, bottom row first; a set bit marks a transparent pixel.
    for (int y = kIconSize - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSize; x += 8) {
            unsigned bits = 0;
            for (int i = 0; i < 8; ++i) {
                if (pixels.at(x + i, y) == Canvas::kTransparent) bits |= 0x80u >> i;
            }
            put_u8(out, bits);
        }
    }
    return out;
}

Bytes icon_file(const Bytes& image) {
    Bytes out;
    put_u16(out, 0);  // reserved
    put_u16(out, 1);  // icon
    put_u16(out, 1);  // one image
    put_u8(out, kIconSize);
    put_u8(out, kIconSize);
    put_u8(out, 16);  // colours
    put_u8(out, 0);
    put_u16(out, 1);  // planes
    put_u16(out, 4);  // bits per pixel
    put_u32(out, static_cast<std::uint32_t>(image.size()));
    put_u32(out, 22);  // data follows this header and the one entry
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace artwork
