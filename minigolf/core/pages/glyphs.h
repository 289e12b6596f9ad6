#pragma once
// The sheet's 18 × 18 font and the drawing of one glyph onto the background.

#include <array>
#include <cstdint>

#include "minigolf/pages/surfaces.h"

namespace minigolf {

inline constexpr int kGlyphCount = 52;
inline constexpr int kGlyphSize = 18;
// The font's rows start this far down the sheet.
inline constexpr int kFontTop = 400;

// Codes: 0–25 letters A–Z, 26–35 digits 0–9, 45 plus, 46 minus, 47 blank, 50 end mark.
enum GlyphCode : int {
    kGlyphA = 0,
    kGlyphDigit0 = 26,
    kGlyphPlus = 45,
    kGlyphMinus = 46,
    kGlyphBlank = 47,
    kGlyphEndMark = 50,
};

// The sheet puts the fifteenth glyph of each row one pixel further right than the grid.
inline constexpr std::array<std::int32_t, kGlyphCount> kGlyphX = [] {
    std::array<std::int32_t, kGlyphCount> x{};
    for (int g = 0; g < 26; ++g) x[g] = 18 * g;
    for (int g = 26; g < 51; ++g) x[g] = 18 * (g - 26);
    x[14] = 253;
    x[40] = 253;
    return x;
}();

inline constexpr std::array<std::int32_t, kGlyphCount> kGlyphY = [] {
    std::array<std::int32_t, kGlyphCount> y{};
    for (int g = 0; g < 26; ++g) y[g] = 44;
    for (int g = 26; g < 51; ++g) y[g] = 62;
    return y;
}();

// Copies glyph g, colour-keyed, onto the background at (x, y). Codes outside 0–51 draw nothing.
void DrawGlyph(Surfaces& surfaces, int glyph, int x, int y);

}  // namespace minigolf
