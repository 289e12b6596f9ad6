#include "minigolf/shell/page_pixels.h"

#include <cstddef>
#include <cstring>

namespace minigolf {

RgbaTable RgbaOf(const Palette& palette) {
    RgbaTable table{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint8_t bytes[4] = {palette[i].red, palette[i].green, palette[i].blue, 0xFF};
        std::memcpy(&table[i], bytes, sizeof bytes);
    }
    return table;
}

void ConvertPage(const Page& page, const RgbaTable& colours, void* pixels, int pitch) {
    const std::uint8_t* source = page.Pixels().data();
    auto* rowStart = static_cast<std::uint8_t*>(pixels);
    for (int y = 0; y < kScreenHeight; ++y, rowStart += pitch, source += kScreenWidth) {
        std::uint32_t row[kScreenWidth];
        for (int x = 0; x < kScreenWidth; ++x) row[x] = colours[source[x]];
        std::memcpy(rowStart, row, sizeof row);
    }
}

}  // namespace minigolf
