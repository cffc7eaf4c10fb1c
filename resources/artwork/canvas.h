// A small raster of palette indices with scanline polygon fill.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct Point {
    double x;
    double y;
};

using Polygon = std::vector<Point>;

class Canvas {
public:
    static constexpr int kTransparent = -1;

    Canvas(int width, int height, int fill = kTransparent);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, int colour) { pixels_[Index(x, y)] = colour; }
    bool Contains(int x, int y) const;

    // Paints every pixel whose centre lies inside the polygon (even-odd rule),
    // so shapes that share an edge never overlap or leave a gap.
    void FillPolygon(const Polygon& polygon, int colour);

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<int> pixels_;
};

}  // namespace artwork
