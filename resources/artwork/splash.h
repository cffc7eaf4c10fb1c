// The splash image: the figure on navy with the program's and maker's names.
#pragma once

#include <vector>

#include "canvas.h"
#include "palette.h"

namespace artwork {

constexpr int kSplashWidth = 311;
constexpr int kSplashHeight = 364;
// The drawing keeps to these rows and clear of the columns and rows that the
// splash window cuts off or covers with its bottom strip.
constexpr int kSplashFirstRow = 14;
constexpr int kSplashLastRow = 328;
constexpr int kSplashVisibleWidth = 308;

// Indices into SplashPalette().
Canvas SplashPixels();

}  // namespace artwork
