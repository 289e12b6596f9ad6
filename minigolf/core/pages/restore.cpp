#include "minigolf/pages/restore.h"

#include <utility>

#include "minigolf/pages/bitmap_sheet.h"

namespace minigolf {

bool RestoreSurfaces(Surfaces& surfaces, std::span<const std::uint8_t> sheetBitmap,
                     const std::function<void(Surfaces&)>& redrawBackground) {
    Page sheet;
    Palette palette;
    if (!LoadBitmapSurface(sheetBitmap, sheet, palette)) return false;
    surfaces.sheet = std::move(sheet);
    surfaces.palette = palette;
    redrawBackground(surfaces);
    ShowBackground(surfaces);
    return true;
}

}  // namespace minigolf
