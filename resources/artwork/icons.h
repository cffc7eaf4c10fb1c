// The two 32 x 32 icons: the program's and the splash window's copy.
#pragma once

#include "canvas.h"
#include "palette.h"

namespace artwork {

// Opaque pixels of the program icon's drawing.
constexpr int kIconOpaquePixels = 418;

Canvas ProgramIconPixels();
Palette16 ProgramIconPalette();

// The same figure with its tips trimmed. Its grey face keeps index 8, which
// the splash icon's palette (the two greys swapped) shows as light grey.
Canvas SplashIconPixels();
Palette16 SplashIconPalette();

}  // namespace artwork
