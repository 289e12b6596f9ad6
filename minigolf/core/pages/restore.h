#pragma once
// Rebuilding every surface from its source, for a shell whose display lost its picture.

#include <cstdint>
#include <functional>
#include <span>

#include "minigolf/pages/surfaces.h"

namespace minigolf {

// Reloads the sheet and the palette from the bitmap, has the caller draw the background again
// (the current course or the ranking screen) and shows it on both pages. Returns false, with
// nothing redrawn, when the bitmap does not load.
bool RestoreSurfaces(Surfaces& surfaces, std::span<const std::uint8_t> sheetBitmap,
                     const std::function<void(Surfaces&)>& redrawBackground);

}  // namespace minigolf
