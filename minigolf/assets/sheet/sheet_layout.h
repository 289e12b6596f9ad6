#pragma once
// Where the game looks for each picture on the 640 × 480 sheet. The game's sprite table and
// word table hold the same numbers; they are repeated here because the sheet is drawn to them.

#include <array>
#include <string_view>

#include "minigolf/sheet/painting.h"

namespace minigolf::sheet {

inline constexpr int kSheetWidth = 640;
inline constexpr int kSheetHeight = 480;

inline constexpr Rect kPlusSign{16, 16, 16, 16};
inline constexpr Rect kMinusSign{16, 32, 16, 16};
inline constexpr Rect kBall{0, 32, 16, 16};
inline constexpr Rect kGauge{0, 48, 160, 16};
inline constexpr Rect kStatusLabel{352, 16, 180, 32};
inline constexpr Rect kHoleLabel{0, 64, 112, 48};
inline constexpr Rect kStrokeLabel{432, 64, 160, 48};
inline constexpr Rect kStatusPanel{0, 112, 640, 80};
inline constexpr Rect kTitle{0, 310, 300, 70};

inline constexpr Rect SmallDigit(int d) { return {32 + 32 * d, 16, 32, 32}; }
inline constexpr Rect LargeDigit(int d) { return {112 + 32 * d, 64, 32, 48}; }

// Where the game puts the digit sprites over the status panel and the stroke label, relative
// to each: the pictures leave those places clear.
inline constexpr Rect kPanelHoleDigits{64, 32, 64, 32};
inline constexpr Rect kPanelTotal{230, 32, 80, 32};  // sign, tens and units
inline constexpr Rect kPanelStrokeDigits{400, 32, 64, 32};
inline constexpr Rect kStrokeLabelDigits{48, 0, 64, 48};
// The power gauge's place within the status label.
inline constexpr Rect kGaugeInLabel{8, 10, 160, 16};

struct ResultWord {
    std::string_view text;
    Rect place;
};

// Hole in one, three, two and one under par, par, one, two and three over, four or more over,
// and the end of the game.
inline constexpr std::array<ResultWord, 10> kResultWords{{
    {"HOLE IN ONE!", {338, 231, 230, 40}},
    {"ALBATROSS", {140, 231, 198, 40}},
    {"EAGLE", {0, 231, 140, 40}},
    {"BIRDIE", {190, 192, 140, 40}},
    {"PAR", {110, 192, 80, 40}},
    {"BOGEY", {0, 192, 110, 40}},
    {"DOUBLE BOGEY", {400, 271, 210, 40}},
    {"TRIPLE BOGEY", {170, 271, 230, 40}},
    {"DON'T MIND", {0, 271, 170, 40}},
    {"FINISH!", {338, 192, 200, 40}},
}};

// The 18 × 18 font: glyph g's top-left on the sheet, and the character it shows.
inline constexpr int kGlyphSize = 18;
inline constexpr int kGlyphCount = 51;
inline constexpr Rect Glyph(int g) {
    if (g < 26) {
        return {g == 14 ? 253 : 18 * g, 444, kGlyphSize, kGlyphSize};
    }
    return {g == 40 ? 253 : 18 * (g - 26), 462, kGlyphSize, kGlyphSize};
}
// Letters A–Z, digits 0–9, then . , ! ? ' / : * = + - blank, a heart, a star and the end mark.
inline constexpr std::string_view kGlyphCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,!?'/:*=+- #@^";

}  // namespace minigolf::sheet
