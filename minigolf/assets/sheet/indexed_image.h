#pragma once
// An 8-bit paletted picture in memory: the sheet is painted into one of these and written out
// as a bitmap afterwards.

#include <cstdint>
#include <vector>

namespace minigolf::sheet {

class IndexedImage {
public:
    IndexedImage(int width, int height, std::uint8_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::uint8_t At(int x, int y) const { return pixels_[Offset(x, y)]; }
    // Rows top to bottom.
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
    // Clipped to the picture.
    void Set(int x, int y, std::uint8_t index);
    // Fills [x, x + w) × [y, y + h).
    void Fill(int x, int y, int w, int h, std::uint8_t index);
    // Copies `source` with its top-left at (x, y); index 0 in `source` is left out when `keyed`.
    void Paste(const IndexedImage& source, int x, int y, bool keyed);

private:
    std::size_t Offset(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace minigolf::sheet
