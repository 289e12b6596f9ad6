#pragma once
// The display's one 256-entry palette.

#include <array>
#include <cstdint>

namespace minigolf {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;

    bool operator==(const PaletteEntry&) const = default;
};

using Palette = std::array<PaletteEntry, 256>;

// The 3-3-2 colour cube every palette starts from; the sprite sheet's colours then cover its
// first entries.
inline constexpr Palette kPalette332 = [] {
    Palette cube{};
    for (int i = 0; i < 256; ++i) {
        cube[i].red = static_cast<std::uint8_t>(((i >> 5) & 7) * 255 / 7);
        cube[i].green = static_cast<std::uint8_t>(((i >> 2) & 7) * 255 / 7);
        cube[i].blue = static_cast<std::uint8_t>((i & 3) * 255 / 3);
    }
    return cube;
}();

}  // namespace minigolf
