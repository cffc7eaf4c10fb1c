// Writes an uncompressed 8-bit Windows bitmap file.
#pragma once

#include <vector>

#include "bytes.h"
#include "canvas.h"
#include "palette.h"

namespace artwork {

// `pixels` holds indices into `palette` (at most 256 entries).
Bytes Bmp8File(const Canvas& pixels, const std::vector<Rgb>& palette);

}  // namespace artwork
