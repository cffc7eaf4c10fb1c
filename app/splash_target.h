#pragma once
// Where the splash window puts the pointer.
#include <cstdint>

struct PointerTarget {
    std::int32_t x, y;
};

// Half the screen size in twips divided by a fixed 15 twips per pixel: the
// screen centre at 96 logical pixels per inch, off centre at any other setting.
PointerTarget SplashPointerTarget(std::int32_t screenWidthPixels, std::int32_t screenHeightPixels,
                                  std::int32_t logicalPixelsPerInch);
