#include "icon_file.h"

#include <stdexcept>

#include "dib_header.h"

namespace artwork {

Bytes IconImage(const Canvas& pixels, const Palette16& palette) {
    if (pixels.Width() != kIconSize || pixels.Height() != kIconSize) {
        throw std::invalid_argument("icon must be 32 x 32");
    }
    constexpr unsigned kColourBytes = kIconSize * kIconSize / 2;
    constexpr unsigned kMaskBytes = kIconSize * kIconSize / 8;
    Bytes out;
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask, and
    // the image size field gives the bytes of both.
    PutInfoHeader(out, kIconSize, kIconSize * 2, 4, kColourBytes + kMaskBytes, 0);
    PutColourTable(out, palette);
    // Colour bitmap, bottom row first, two pixels a byte, high nibble left.
    // Transparent pixels are black so the mask alone decides what shows.
    for (int y = kIconSize - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSize; x += 2) {
            const int left = pixels.At(x, y), right = pixels.At(x + 1, y);
            PutU8(out, (left < 0 ? 0 : left) << 4 | (right < 0 ? 0 : right));
        }
    }
    // Mask, bottom row first; a set bit marks a transparent pixel.
    for (int y = kIconSize - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSize; x += 8) {
            unsigned bits = 0;
            for (int i = 0; i < 8; ++i) {
                if (pixels.At(x + i, y) == Canvas::kTransparent) bits |= 0x80u >> i;
            }
            PutU8(out, bits);
        }
    }
    return out;
}

Bytes IconFile(const Bytes& image) {
    Bytes out;
    PutU16(out, 0);  // reserved
    PutU16(out, 1);  // icon
    PutU16(out, 1);  // one image
    PutU8(out, kIconSize);
    PutU8(out, kIconSize);
    PutU8(out, 16);  // colours
    PutU8(out, 0);
    PutU16(out, 1);  // planes
    PutU16(out, 4);  // bits per pixel
    PutU32(out, static_cast<std::uint32_t>(image.size()));
    PutU32(out, 22);  // data follows this header and the one entry
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace artwork
