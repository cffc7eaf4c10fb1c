// The impossible triangle: three square bars joined end to end, projected so
// that the last bar seems to run into the first.
#pragma once

#include <vector>

#include "canvas.h"

namespace artwork {

// Which way a face looks; each direction gets one colour.
enum class Facing { Top, Left, Right };

struct Face {
    Polygon outline;
    Facing facing;
};

// Faces in painting order (later ones cover earlier ones), scaled so the
// figure's bounding box is `width` wide and centred on (cx, cy).
std::vector<Face> PenroseFaces(double cx, double cy, double width);

struct FaceColours {
    int top;
    int left;
    int right;
};

void DrawPenrose(Canvas& canvas, const std::vector<Face>& faces, FaceColours colours);

}  // namespace artwork
