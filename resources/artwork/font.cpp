#include "font.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>

namespace artwork {
namespace {

struct Glyph {
    char letter;
    std::array<const char*, kGlyphRows> rows;
};

// Only the letters the artwork uses.
const Glyph kGlyphs[] = {
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
};

const Glyph& GlyphFor(char letter) {
    for (const Glyph& g : kGlyphs) {
        if (g.letter == letter) return g;
    }
    throw std::invalid_argument(std::string("no glyph for '") + letter + "'");
}

// Draws one letter whose cell (col, row) has its top-left corner at
// origin + col * right + row * down, with right and down one cell long.
void DrawGlyph(Canvas& canvas, char letter, Point origin, Point right, Point down,
               int colour) {
    const Glyph& g = GlyphFor(letter);
    for (int row = 0; row < kGlyphRows; ++row) {
        for (int col = 0; col < kGlyphColumns; ++col) {
            if (g.rows[row][col] != '#') continue;
            const Point p{origin.x + col * right.x + row * down.x,
                          origin.y + col * right.y + row * down.y};
            canvas.FillPolygon({p,
                                {p.x + right.x, p.y + right.y},
                                {p.x + right.x + down.x, p.y + right.y + down.y},
                                {p.x + down.x, p.y + down.y}},
                               colour);
        }
    }
}

}  // namespace

double TextWidth(const std::string& text, double cell) {
    if (text.empty()) return 0.0;
    return (static_cast<double>(text.size()) * kGlyphAdvance - 1) * cell;
}

void DrawText(Canvas& canvas, const std::string& text, double cx, double top,
              double cell, int colour) {
    double x = cx - TextWidth(text, cell) / 2.0;
    for (char letter : text) {
        DrawGlyph(canvas, letter, {x, top}, {cell, 0}, {0, cell}, colour);
        x += kGlyphAdvance * cell;
    }
}

void DrawTextOnArc(Canvas& canvas, const std::string& text, double cx, double cy,
                   double radius, double cell, int colour) {
    // Arc length per letter equals its straight advance, so spacing matches.
    const double step = kGlyphAdvance * cell / radius;
    const double first = -step * (static_cast<double>(text.size()) - 1) / 2.0;
    const double halfWidth = kGlyphColumns * cell / 2.0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const double a = first + step * static_cast<double>(i);  // 0 = straight up
        const Point right{std::cos(a) * cell, std::sin(a) * cell};
        const Point down{-std::sin(a) * cell, std::cos(a) * cell};
        const Point base{cx + std::sin(a) * radius, cy - std::cos(a) * radius};
        // Top-left corner: back half a letter along the arc, up a letter's height.
        const Point origin{base.x - right.x / cell * halfWidth - down.x * kGlyphRows,
                           base.y - right.y / cell * halfWidth - down.y * kGlyphRows};
        DrawGlyph(canvas, text[i], origin, right, down, colour);
    }
}

}  // namespace artwork
