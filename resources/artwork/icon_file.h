// Writes a 32 x 32, 16-colour icon: the bare image (as an icon resource holds
// it), the icon file around it, and the icon group entry that points to it.
#pragma once

#include "bytes.h"
#include "canvas.h"
#include "palette.h"

namespace artwork {

constexpr int kIconSize = 32;

// `pixels` holds palette indices 0..15, or Canvas::kTransparent.
Bytes IconImage(const Canvas& pixels, const Palette16& palette);

// Icon file with the single image; its data starts at byte 22.
Bytes IconFile(const Bytes& image);

}  // namespace artwork
