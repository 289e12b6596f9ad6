#pragma once
// The 40 course tiles, 16 × 16 each, in the order of their codes: the ground, the walls that
// fill the quarters their code makes solid, sand, the cup, and scenery for outside the walls.

#include "minigolf/sheet/indexed_image.h"

namespace minigolf::sheet {

inline constexpr int kTileSize = 16;
inline constexpr int kTileCount = 40;

// Every tile is opaque: the game copies them keyed onto whatever the last hole left.
IndexedImage CourseTile(int code);

}  // namespace minigolf::sheet
