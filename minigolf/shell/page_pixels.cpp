#include "minigolf/shell/page_pixels.h"

#include <cstddef>
#include <cstring>

namespace minigolf {

ScreenColours ScreenColoursOf(const Palette& palette) {
    ScreenColours colours{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours[i] = 0xFF000000u | std::uint32_t{palette[i].red} << 16 | std::uint32_t{palette[i].green} << 8 |
                     palette[i].blue;
    }
    return colours;
}

void ConvertPage(const Page& page, const ScreenColours& colours, void* pixels, int pitch) {
    const std::uint8_t* source = page.Pixels().data();
    auto* rowStart = static_cast<std::uint8_t*>(pixels);
    for (int y = 0; y < kScreenHeight; ++y, rowStart += pitch, source += kScreenWidth) {
        std::uint32_t row[kScreenWidth];
        for (int x = 0; x < kScreenWidth; ++x) row[x] = colours[source[x]];
        std::memcpy(rowStart, row, sizeof row);
    }
}

}  // namespace minigolf
