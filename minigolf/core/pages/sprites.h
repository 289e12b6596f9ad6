#pragma once
// The 50 sprites: everything on screen that moves or changes, each a rectangle of the sheet.

#include <array>
#include <cstdint>

#include "minigolf/pages/blit.h"
#include "minigolf/pages/surfaces.h"

namespace minigolf {

struct Sprite {
    std::int32_t sheetX = 0;
    std::int32_t sheetY = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t screenX = 0;
    std::int32_t screenY = 0;
    // Pages on which the last drawn rectangle still has to be erased (0 to 2).
    std::int32_t eraseCount = 0;
    std::int32_t visible = 0;
    // Where the sprite was put on each page, by page parity.
    std::array<Rect, 2> saved{};
};

inline constexpr int kSpriteCount = 50;

// The sprites the game gives a role, by index.
enum SpriteIndex : int {
    kStatusLabelSprite = 0,  // also the letter cursor of the name entry
    kBallSprite = 1,
    kAimMarkerSprite = 2,
    kGaugeSprite = 3,
    kStatusPanelSprite = 4,
    kTotalSignSprite = 5,
    kHoleTensSmallSprite = 6,
    kHoleUnitsSmallSprite = 7,
    kTotalTensSprite = 8,
    kTotalUnitsSprite = 9,
    kStrokeTensSmallSprite = 10,
    kStrokeUnitsSmallSprite = 11,
    kHoleLabelSprite = 12,
    kHoleTensLargeSprite = 13,
    kHoleUnitsLargeSprite = 14,
    kStrokeLabelSprite = 15,
    kStrokeTensLargeSprite = 16,
    kStrokeUnitsLargeSprite = 17,  // also the par of the hole start
    kWordBannerSprite = 18,
    kTitleSprite = 19,
};

struct SpriteDefault {
    std::int32_t sheetX, sheetY, width, height, screenX, screenY;
};

inline constexpr std::array<SpriteDefault, kSpriteCount> kSpriteDefaults = [] {
    std::array<SpriteDefault, kSpriteCount> d{};
    d[0] = {352, 16, 180, 32, 0, 370};
    d[1] = {0, 32, 16, 16, 0, 0};
    d[2] = {0, 32, 16, 16, 0, 0};
    d[3] = {0, 48, 16, 16, 8, 380};
    d[4] = {0, 112, 640, 80, 0, 400};
    d[5] = {16, 16, 16, 16, 230, 440};
    d[6] = {32, 16, 32, 32, 64, 432};
    d[7] = {32, 16, 32, 32, 96, 432};
    d[8] = {32, 16, 32, 32, 246, 432};
    d[9] = {32, 16, 32, 32, 278, 432};
    d[10] = {32, 16, 32, 32, 400, 432};
    d[11] = {32, 16, 32, 32, 432, 432};
    d[12] = {0, 64, 112, 48, 200, 100};
    d[13] = {112, 64, 32, 48, 328, 100};
    d[14] = {112, 64, 32, 48, 360, 100};
    d[15] = {432, 64, 160, 48, 230, 180};
    d[16] = {112, 64, 32, 48, 278, 180};
    d[17] = {112, 64, 32, 48, 310, 180};
    d[18] = {110, 192, 80, 40, 240, 184};
    d[19] = {0, 310, 300, 70, 170, 0};
    for (int i = 20; i < kSpriteCount; ++i) d[i] = {0, 0, 1, 1, 0, 0};
    return d;
}();

// Sheet x of digit d: small digits at kDigitX[d] + 32, large ones at kDigitX[d] + 112.
inline constexpr std::array<std::int32_t, 10> kDigitX = {0, 32, 64, 96, 128, 160, 192, 224, 256, 288};

struct SpriteTable {
    std::array<Sprite, kSpriteCount> sprites{};
    // Which saved rectangle belongs to the page now being drawn.
    std::int16_t pageParity = 0;

    Sprite& operator[](int index) { return sprites[static_cast<std::size_t>(index)]; }
    const Sprite& operator[](int index) const { return sprites[static_cast<std::size_t>(index)]; }
};

// Back to the defaults, nothing left to erase; the ball sprite goes to the ball's position and
// the status panel's sprites 0 to 11 are shown.
void ResetSprites(SpriteTable& table, std::int32_t ballX, std::int32_t ballY);

// One frame's drawing: erase what this page showed two frames ago, draw the visible sprites in
// index order, flip, and switch the page parity.
void DrawSprites(Surfaces& surfaces, SpriteTable& table);

void ShowSmallDigit(Sprite& sprite, int digit);
void ShowLargeDigit(Sprite& sprite, int digit);

}  // namespace minigolf
