#pragma once
// The front page as the screen shows it: palette indices turned into 32-bit pixels.

#include <array>
#include <cstdint>

#include "minigolf/pages/page.h"
#include "minigolf/pages/palette.h"

namespace minigolf {

// One pixel value per palette entry, packed 0xFFRRGGBB in a native 32-bit word (SDL's
// SDL_PIXELFORMAT_RGB888, the usual format of a window's own pixels, so that the picture is
// scaled onto the window without converting it again).
using ScreenColours = std::array<std::uint32_t, 256>;

ScreenColours ScreenColoursOf(const Palette& palette);

// Writes the whole page into `pixels`, whose rows start `pitch` bytes apart.
void ConvertPage(const Page& page, const ScreenColours& colours, void* pixels, int pitch);

}  // namespace minigolf
