#include "bmp_file.h"

#include <stdexcept>

#include "dib_header.h"

namespace artwork {

Bytes Bmp8File(const Canvas& pixels, const std::vector<Rgb>& palette) {
    if (palette.empty() || palette.size() > 256) {
        throw std::invalid_argument("an 8-bit bitmap has 1 to 256 colours");
    }
    const unsigned stride = (static_cast<unsigned>(pixels.Width()) + 3) & ~3u;
    const unsigned imageBytes = stride * static_cast<unsigned>(pixels.Height());
    const unsigned dataOffset = 14 + 40 + 4 * static_cast<unsigned>(palette.size());
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, dataOffset + imageBytes);
    PutU32(out, 0);
    PutU32(out, dataOffset);
    PutInfoHeader(out, static_cast<std::uint32_t>(pixels.Width()), static_cast<std::uint32_t>(pixels.Height()), 8,
                  imageBytes, static_cast<std::uint32_t>(palette.size()));
    PutColourTable(out, palette);
    for (int y = pixels.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.Width(); ++x) {
            const int index = pixels.At(x, y);
            if (index < 0 || index >= static_cast<int>(palette.size())) {
                throw std::invalid_argument("pixel outside the palette");
            }
            PutU8(out, static_cast<unsigned>(index));
        }
        for (unsigned pad = static_cast<unsigned>(pixels.Width()); pad < stride; ++pad) {
            PutU8(out, 0);
        }
    }
    return out;
}

}  // namespace artwork
