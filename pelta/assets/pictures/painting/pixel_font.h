#pragma once
// Hand-set pixel lettering: glyphs drawn as text in pixel_font.cpp, painted with a 1 px outline.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "raster.h"

namespace pictures {

struct PixelFont {
    int height = 0;  // rows per glyph, descender included
    int spacing = 1;  // empty columns between glyphs
    std::map<char, std::vector<std::string>> glyphs;  // rows of '#' (ink) and '.' (paper)
};

// Cap height 9 with a 2-row descender, for the 65 × 13 result labels.
const PixelFont& LabelFont();
// Cap height 7 with a 1-row descender, for the 10-row labels.
const PixelFont& SmallLabelFont();
// 5 × 8 digits and plus sign.
const PixelFont& SmallDigitFont();
// 6 × 10 digits, meant to be painted at scale 2.
const PixelFont& ScoreDigitFont();

// Width in pixels of `text` at `scale`, without the outline.
int TextWidth(const PixelFont& font, std::string_view text, int scale = 1);

// Paints `text` with its top-left ink corner at (x, y), each glyph pixel as a scale × scale
// block in `fill`, and every pixel next to the ink (diagonals included) in `outline`.
void DrawText(Raster& target, const PixelFont& font, std::string_view text, int x, int y,
              Colour fill, Colour outline, int scale = 1);

}  // namespace pictures
