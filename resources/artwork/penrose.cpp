#include "penrose.h"

#include <algorithm>
#include <cmath>

namespace artwork {
namespace {

// Bar length in bar widths; long enough to leave a clear hole in the middle.
constexpr double kBarLength = 5.0;
// Height at which the rising bar is split; see PenroseFaces.
constexpr double kSplit = 2.5;
// How far the view leans away from the symmetric corner-on view, in radians:
// the small turn that shows the figure slightly from the side.
constexpr double kLean = 0.06;

struct Vec3 {
    double x, y, z;
};

struct Box {
    Vec3 lo, hi;
};

// Looking down the (1,1,1) diagonal the bars' ends meet; x, y and z then run
// left, up-right and down-right, which puts the apex on top.
Point Project(const Vec3& p) {
    const double s = std::sqrt(3.0) / 2.0;
    const double u = (p.x - p.y) * s;
    const double v = p.z - (p.x + p.y) / 2.0;
    const double pi = std::acos(-1.0);
    const double angle = 7.0 * pi / 6.0 + kLean;
    const double c = std::cos(angle), n = std::sin(angle);
    return {u * c - v * n, -(u * n + v * c)};
}

void AddFaces(std::vector<Face>& out, const Box& b, bool withTop) {
    const Vec3& l = b.lo;
    const Vec3& h = b.hi;
    out.push_back({{Project({h.x, l.y, l.z}), Project({h.x, h.y, l.z}),
                    Project({h.x, h.y, h.z}), Project({h.x, l.y, h.z})},
                   Facing::Left});
    out.push_back({{Project({l.x, h.y, l.z}), Project({h.x, h.y, l.z}),
                    Project({h.x, h.y, h.z}), Project({l.x, h.y, h.z})},
                   Facing::Right});
    if (withTop) {
        out.push_back({{Project({l.x, l.y, h.z}), Project({h.x, l.y, h.z}),
                        Project({h.x, h.y, h.z}), Project({l.x, h.y, h.z})},
                       Facing::Top});
    }
}

}  // namespace

std::vector<Face> PenroseFaces(double cx, double cy, double width) {
    const double n = kBarLength;
    std::vector<Face> faces;
    // The rising bar's upper half goes first so that the first bar covers its
    // end: that is the impossible joint. Its lower half goes last, without a
    // top, so the two halves read as one bar.
    AddFaces(faces, {{n - 1, n - 1, kSplit}, {n, n, n - 1}}, true);
    AddFaces(faces, {{0, 0, 0}, {n, 1, 1}}, true);
    AddFaces(faces, {{n - 1, 1, 0}, {n, n, 1}}, true);
    AddFaces(faces, {{n - 1, n - 1, 1}, {n, n, kSplit}}, false);

    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const Face& f : faces) {
        for (const Point& p : f.outline) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    const double scale = width / (maxX - minX);
    const double midX = (minX + maxX) / 2.0;
    const double midY = (minY + maxY) / 2.0;
    for (Face& f : faces) {
        for (Point& p : f.outline) {
            p = {cx + (p.x - midX) * scale, cy + (p.y - midY) * scale};
        }
    }
    return faces;
}

void DrawPenrose(Canvas& canvas, const std::vector<Face>& faces, FaceColours colours) {
    for (const Face& f : faces) {
        const int colour = f.facing == Facing::Top    ? colours.top
                           : f.facing == Facing::Left ? colours.left
                                                      : colours.right;
        canvas.FillPolygon(f.outline, colour);
    }
}

}  // namespace artwork
