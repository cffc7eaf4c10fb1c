#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace artwork {

Canvas::Canvas(int width, int height, int fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

bool Canvas::Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
}

void Canvas::FillPolygon(const Polygon& polygon, int colour) {
    const std::size_t n = polygon.size();
    if (n < 3) return;
    std::vector<double> crossings;
    for (int y = 0; y < height_; ++y) {
        const double cy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const Point& a = polygon[i];
            const Point& b = polygon[(i + 1) % n];
            // Half-open test keeps a vertex on the scanline from counting twice.
            if ((a.y <= cy) != (b.y <= cy)) {
                crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixel x is inside when its centre x + 0.5 lies in [left, right).
            const int first = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
            const int last = std::min(width_, static_cast<int>(std::ceil(crossings[i + 1] - 0.5)));
            for (int x = first; x < last; ++x) Set(x, y, colour);
        }
    }
}

}  // namespace artwork
