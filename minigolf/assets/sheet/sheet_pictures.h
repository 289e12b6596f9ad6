#pragma once
// Paints the whole sprite sheet.

#include "indexed_image.h"

namespace minigolf::sheet {

IndexedImage PaintSheet();

}  // namespace minigolf::sheet
