#pragma once
// Paints the whole sprite sheet.

#include "minigolf/sheet/indexed_image.h"

namespace minigolf::sheet {

IndexedImage PaintSheet();

}  // namespace minigolf::sheet
