#pragma once
// A tiny paletted raster for painting the pictures: each pixel is one of the 16 standard
// Windows colours.

#include <array>
#include <cstdint>
#include <vector>

namespace pictures {

enum class Colour : std::uint8_t {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Gray, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};

struct Rgb8 {
    std::uint8_t r, g, b;
};

// In the order the colours are stored in a 4-bit picture's colour table.
inline constexpr std::array<Rgb8, 16> kWindowsPalette{{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

inline constexpr Colour kSky = Colour::Aqua;
inline constexpr Colour kGround = Colour::Lime;

struct Point {
    double x = 0, y = 0;
};

class Raster {
public:
    Raster(int width, int height, Colour fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const;
    // Everything below clips to the raster.
    void Set(int x, int y, Colour c);
    // Fills [left, right) × [top, bottom).
    void Fill(int left, int top, int right, int bottom, Colour c);
    // A line drawn with a square pen `thickness` pixels wide, centred on the exact path.
    void Line(Point a, Point b, int thickness, Colour c);
    // Every pixel whose centre lies within `radius` of `centre`.
    void Disc(Point centre, double radius, Colour c);
    // Replaces the 4-connected area of the colour at (x, y).
    void FloodFill(int x, int y, Colour c);
    // Copies `from` with its top-left corner at (x, y), leaving out pixels of colour `clear`.
    void Overlay(const Raster& from, int x, int y, Colour clear);
    // Mirrors left and right.
    Raster Mirrored() const;

private:
    int width_, height_;
    std::vector<Colour> pixels_;
};

}  // namespace pictures
