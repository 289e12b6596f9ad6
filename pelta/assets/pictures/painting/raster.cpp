#include "raster.h"

#include <algorithm>
#include <cmath>

namespace pictures {

Raster::Raster(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

Colour Raster::At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

void Raster::Set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Raster::Fill(int left, int top, int right, int bottom, Colour c) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) Set(x, y, c);
}

void Raster::Line(Point a, Point b, int thickness, Colour c) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 2)));
    // An even pen has no centre pixel; it covers the pixels from half a pen left of the path.
    const double offset = (thickness - 1) / 2.0;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const int x = static_cast<int>(std::floor(a.x + (b.x - a.x) * t - offset + 0.5));
        const int y = static_cast<int>(std::floor(a.y + (b.y - a.y) * t - offset + 0.5));
        Fill(x, y, x + thickness, y + thickness, c);
    }
}

void Raster::Disc(Point centre, double radius, Colour c) {
    const int top = static_cast<int>(std::floor(centre.y - radius));
    const int left = static_cast<int>(std::floor(centre.x - radius));
    const int size = static_cast<int>(std::ceil(radius * 2)) + 2;
    for (int y = top; y <= top + size; ++y)
        for (int x = left; x <= left + size; ++x)
            if (std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) <= radius) Set(x, y, c);
}

void Raster::FloodFill(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const Colour old = At(x, y);
    if (old == c) return;
    std::vector<std::pair<int, int>> todo{{x, y}};
    while (!todo.empty()) {
        const auto [px, py] = todo.back();
        todo.pop_back();
        if (px < 0 || py < 0 || px >= width_ || py >= height_ || At(px, py) != old) continue;
        Set(px, py, c);
        todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
}

void Raster::Overlay(const Raster& from, int x, int y, Colour clear) {
    for (int row = 0; row < from.height_; ++row)
        for (int col = 0; col < from.width_; ++col)
            if (from.At(col, row) != clear) Set(x + col, y + row, from.At(col, row));
}

Raster Raster::Mirrored() const {
    Raster out(width_, height_, Colour::Black);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.Set(width_ - 1 - x, y, At(x, y));
    return out;
}

}  // namespace pictures
