#pragma once
// Reads the sprite sheet, an uncompressed bottom-up Windows bitmap of at most 8 bits per pixel,
// into a page and the palette.

#include <cstdint>
#include <span>

#include "minigolf/pages/page.h"
#include "minigolf/pages/palette.h"

namespace minigolf {

// Fills the palette with kPalette332, covers its first entries with the bitmap's colour table
// and copies the picture to the page's top-left corner (a larger picture is cut at the page's
// edges). Returns false, leaving the page alone, for bytes that are not such a bitmap or that
// end before the data they announce; the palette is then already reset to the cube.
bool LoadBitmapSurface(std::span<const std::uint8_t> bitmap, Page& page, Palette& palette);

}  // namespace minigolf
