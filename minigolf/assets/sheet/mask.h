#pragma once
// A one-bit picture: the shape of a letter, a wall or a ball before it is coloured.

#include <cstdint>
#include <vector>

namespace minigolf::sheet {

class Mask {
public:
    Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<std::size_t>(width * height)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // False outside the mask.
    bool At(int x, int y) const { return Inside(x, y) && bits_[Offset(x, y)] != 0; }
    void Set(int x, int y, bool on = true) {
        if (Inside(x, y)) {
            bits_[Offset(x, y)] = on ? 1 : 0;
        }
    }
    // Every pixel within `radius` (a round brush) of a set one.
    Mask Grown(int radius) const;
    Mask Shifted(int dx, int dy) const;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::size_t Offset(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<std::uint8_t> bits_;
};

}  // namespace minigolf::sheet
