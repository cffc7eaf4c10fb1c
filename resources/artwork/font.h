// A 5 x 7 capital-letter font drawn as filled cells, so text can be scaled
// and turned like any other shape.
#pragma once

#include <string>

#include "canvas.h"

namespace artwork {

constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 7;

// Advance from one letter to the next, in cells (one blank column between).
constexpr int kGlyphAdvance = kGlyphColumns + 1;

// Width in pixels of `text` set with cells of `cell` pixels.
double TextWidth(const std::string& text, double cell);

// Sets `text` on a straight line centred on cx, its top edge at `top`.
void DrawText(Canvas& canvas, const std::string& text, double cx, double top,
              double cell, int colour);

// Sets `text` along an arc bowing upwards: the letters' baselines lie on the
// circle about (cx, cy) with `radius`, each letter upright to the circle and
// the line centred on the top of the circle.
void DrawTextOnArc(Canvas& canvas, const std::string& text, double cx, double cy,
                   double radius, double cell, int colour);

}  // namespace artwork
