#pragma once
// The one copy operation between pages.

#include <cstdint>

#include "minigolf/pages/page.h"

namespace minigolf {

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const Rect&) const = default;
};

// The palette index that keyed copies leave out.
inline constexpr std::uint8_t kColourKey = 0;

// Clamps each rectangle to the screen on its own, then copies, stretching nearest-neighbour
// when the two sizes differ: a sprite at x −8 keeps its 16 source columns but lands in 8, just
// as the display hardware's blit squeezed it. Nothing happens when either rectangle lies wholly
// off the screen or is empty.
void BlitClipped(const Page& source, Page& destination, Rect sourceRect, Rect destinationRect, bool keyed);

}  // namespace minigolf
