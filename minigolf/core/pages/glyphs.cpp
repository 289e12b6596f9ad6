#include "minigolf/pages/glyphs.h"

#include "minigolf/pages/blit.h"

namespace minigolf {

void DrawGlyph(Surfaces& surfaces, int glyph, int x, int y) {
    if (glyph < 0 || glyph >= kGlyphCount) return;
    const std::int32_t sx = kGlyphX[static_cast<std::size_t>(glyph)];
    const std::int32_t sy = kGlyphY[static_cast<std::size_t>(glyph)] + kFontTop;
    BlitClipped(surfaces.sheet, surfaces.background, Rect{sx, sy, sx + kGlyphSize, sy + kGlyphSize},
                Rect{x, y, x + kGlyphSize, y + kGlyphSize}, true);
}

}  // namespace minigolf
