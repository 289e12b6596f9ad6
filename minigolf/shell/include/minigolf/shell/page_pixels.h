#pragma once
// The front page as the screen shows it: palette indices turned into 32-bit RGBA pixels.

#include <array>
#include <cstdint>

#include "minigolf/pages/page.h"
#include "minigolf/pages/palette.h"

namespace minigolf {

// One opaque pixel per palette entry, its bytes in memory red, green, blue, alpha
// (SDL_PIXELFORMAT_RGBA32 on any byte order).
using RgbaTable = std::array<std::uint32_t, 256>;

RgbaTable RgbaOf(const Palette& palette);

// Writes the whole page into `pixels`, whose rows start `pitch` bytes apart.
void ConvertPage(const Page& page, const RgbaTable& colours, void* pixels, int pitch);

}  // namespace minigolf
