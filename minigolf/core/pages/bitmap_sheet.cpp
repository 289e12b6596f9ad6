#include "minigolf/pages/bitmap_sheet.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "minigolf/files/little_endian.h"

namespace minigolf {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

struct Layout {
    std::uint32_t width;
    std::uint32_t height;
    std::uint16_t bitCount;
    std::uint32_t colourCount;
    std::size_t pixelOffset;
    std::size_t rowSize;
};

// Checks every field the copy relies on, so that the copy itself cannot leave the buffer.
bool ReadLayout(std::span<const std::uint8_t> b, Layout& layout) {
    if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') return false;
    const std::size_t info = kFileHeaderSize;
    if (ReadU32(b, info) != kInfoHeaderSize) return false;
    const auto width = static_cast<std::int32_t>(ReadU32(b, info + 4));
    // A negative height is a top-down picture, which the sheet never is.
    const auto height = static_cast<std::int32_t>(ReadU32(b, info + 8));
    const std::uint16_t bitCount = ReadU16(b, info + 14);
    if (width <= 0 || height <= 0 || ReadU16(b, info + 12) != 1) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8) return false;
    if (ReadU32(b, info + 16) != kUncompressed) return false;
    const std::uint32_t maxColours = 1u << bitCount;
    std::uint32_t colours = ReadU32(b, info + 32);
    if (colours == 0) colours = maxColours;
    if (colours > maxColours) return false;
    if (b.size() - kFileHeaderSize - kInfoHeaderSize < std::size_t{colours} * 4) return false;
    const std::size_t rowSize = (std::size_t{static_cast<std::uint32_t>(width)} * bitCount + 31) / 32 * 4;
    const std::size_t pixelOffset = ReadU32(b, 10);
    if (pixelOffset > b.size() || (b.size() - pixelOffset) / rowSize < static_cast<std::uint32_t>(height)) {
        return false;
    }
    layout = Layout{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), bitCount, colours,
                    pixelOffset, rowSize};
    return true;
}

std::uint8_t PixelIndex(std::span<const std::uint8_t> row, std::uint32_t x, std::uint16_t bitCount) {
    const std::size_t bit = std::size_t{x} * bitCount;
    const int shift = 8 - bitCount - static_cast<int>(bit % 8);
    return static_cast<std::uint8_t>((row[bit / 8] >> shift) & ((1u << bitCount) - 1));
}

}  // namespace

bool LoadBitmapSurface(std::span<const std::uint8_t> bitmap, Page& page, Palette& palette) {
    palette = kPalette332;
    Layout layout{};
    if (!ReadLayout(bitmap, layout)) return false;
    const std::size_t table = kFileHeaderSize + kInfoHeaderSize;
    for (std::uint32_t i = 0; i < layout.colourCount; ++i) {
        // Stored blue, green, red, reserved.
        const std::size_t at = table + std::size_t{i} * 4;
        palette[i] = PaletteEntry{bitmap[at + 2], bitmap[at + 1], bitmap[at], 0};
    }
    const auto width = static_cast<int>(std::min<std::uint32_t>(layout.width, kScreenWidth));
    const auto height = static_cast<int>(std::min<std::uint32_t>(layout.height, kScreenHeight));
    for (int y = 0; y < height; ++y) {
        const std::size_t stored = layout.height - 1 - static_cast<std::uint32_t>(y);  // bottom row first
        const auto row = bitmap.subspan(layout.pixelOffset + stored * layout.rowSize, layout.rowSize);
        for (int x = 0; x < width; ++x) {
            page.At(x, y) = PixelIndex(row, static_cast<std::uint32_t>(x), layout.bitCount);
        }
    }
    return true;
}

}  // namespace minigolf
