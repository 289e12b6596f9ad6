#pragma once
// Builds small Windows bitmaps in memory for the reader's tests.

#include <cstdint>
#include <vector>

namespace test_support {

struct BitmapShape {
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t bitCount = 8;
    std::uint32_t usedColours = 0;   // 0: the full 2^bitCount table is stored
    std::uint32_t infoSize = 40;
    std::uint32_t compression = 0;
};

inline void PutU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Colour i of the table is (red i, green 255 − i, blue i / 2); pixel (x, y) counted from the top
// holds index pixel(x, y), packed at the bit count.
template <typename PixelFn>
std::vector<std::uint8_t> MakeBitmap(const BitmapShape& shape, PixelFn pixel) {
    const std::uint32_t colours = shape.usedColours != 0 ? shape.usedColours : (1u << shape.bitCount);
    const std::size_t tableSize = std::size_t{colours} * 4;
    const auto height = static_cast<std::size_t>(shape.height < 0 ? -shape.height : shape.height);
    const std::size_t rowSize = (static_cast<std::size_t>(shape.width) * shape.bitCount + 31) / 32 * 4;
    const std::size_t offset = 14 + 40 + tableSize;
    std::vector<std::uint8_t> b(offset + rowSize * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutU32(b, 2, static_cast<std::uint32_t>(b.size()));
    PutU32(b, 10, static_cast<std::uint32_t>(offset));
    PutU32(b, 14, shape.infoSize);
    PutU32(b, 18, static_cast<std::uint32_t>(shape.width));
    PutU32(b, 22, static_cast<std::uint32_t>(shape.height));
    b[26] = 1;
    b[28] = static_cast<std::uint8_t>(shape.bitCount);
    PutU32(b, 30, shape.compression);
    PutU32(b, 46, shape.usedColours);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t at = 54 + std::size_t{i} * 4;
        b[at] = static_cast<std::uint8_t>(i / 2);  // blue
        b[at + 1] = static_cast<std::uint8_t>(255 - i);
        b[at + 2] = static_cast<std::uint8_t>(i);
    }
    if (shape.bitCount > 8) return b;  // only palette pictures get pixels
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t row = offset + (height - 1 - y) * rowSize;  // bottom row first
        for (std::int32_t x = 0; x < shape.width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * shape.bitCount;
            const int shift = 8 - shape.bitCount - static_cast<int>(bit % 8);
            b[row + bit / 8] |= static_cast<std::uint8_t>(pixel(x, static_cast<int>(y)) << shift);
        }
    }
    return b;
}

}  // namespace test_support
