#include "minigolf/sheet/indexed_image.h"

namespace minigolf::sheet {

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void IndexedImage::Set(int x, int y, std::uint8_t index) {
    if (Inside(x, y)) {
        pixels_[Offset(x, y)] = index;
    }
}

void IndexedImage::Fill(int x, int y, int w, int h, std::uint8_t index) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            Set(col, row, index);
        }
    }
}

void IndexedImage::Paste(const IndexedImage& source, int x, int y, bool keyed) {
    for (int row = 0; row < source.Height(); ++row) {
        for (int col = 0; col < source.Width(); ++col) {
            const std::uint8_t index = source.At(col, row);
            if (!keyed || index != 0) {
                Set(x + col, y + row, index);
            }
        }
    }
}

}  // namespace minigolf::sheet
