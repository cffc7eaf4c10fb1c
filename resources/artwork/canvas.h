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

    int width() const { return width_; }
    int height() const { return height_; }
    int at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, int colour) { pixels_[index(x, y)] = colour; }
    bool contains(int x, int y) const;

    // Paints every pixel whose centre lies inside the polygon (even-odd rule),
    // so shapes that share an edge never overlap or leave a gap.
    void fill_polygon(const Polygon& polygon, int colour);

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<int> pixels_;
};

}  // namespace artwork
