#include "app/splash_target.h"

#include "forms/int32_conversion.h"

namespace {

// Each half is held in single precision before it is rounded to a pixel.
std::int32_t HalfAtFifteenTwips(std::int32_t pixels, double twipsPerPixel) {
    const double twips = pixels * twipsPerPixel;
    const float half = static_cast<float>((twips / 15) / 2);
    return forms::ToInt32(half);
}

}  // namespace

PointerTarget SplashPointerTarget(std::int32_t screenWidthPixels, std::int32_t screenHeightPixels,
                                  std::int32_t logicalPixelsPerInch) {
    const double twipsPerPixel = 1440.0 / logicalPixelsPerInch;
    const std::int32_t x = HalfAtFifteenTwips(screenWidthPixels, twipsPerPixel);
    const std::int32_t y = HalfAtFifteenTwips(screenHeightPixels, twipsPerPixel);
    return {x, y};
}
