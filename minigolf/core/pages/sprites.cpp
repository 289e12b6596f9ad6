#include "minigolf/pages/sprites.h"

namespace minigolf {

void ResetSprites(SpriteTable& table, std::int32_t ballX, std::int32_t ballY) {
    for (int i = 0; i < kSpriteCount; ++i) {
        const SpriteDefault& d = kSpriteDefaults[static_cast<std::size_t>(i)];
        Sprite& s = table[i];
        s.sheetX = d.sheetX;
        s.sheetY = d.sheetY;
        s.width = d.width;
        s.height = d.height;
        s.screenX = d.screenX;
        s.screenY = d.screenY;
        s.eraseCount = 0;
        s.visible = i <= kStrokeUnitsSmallSprite ? 1 : 0;
    }
    table[kBallSprite].screenX = ballX;
    table[kBallSprite].screenY = ballY;
}

void DrawSprites(Surfaces& surfaces, SpriteTable& table) {
    const auto parity = static_cast<std::size_t>(table.pageParity);
    for (Sprite& s : table.sprites) {
        if (s.eraseCount == 0) continue;
        BlitClipped(surfaces.background, surfaces.Back(), s.saved[parity], s.saved[parity], false);
        --s.eraseCount;
    }
    for (Sprite& s : table.sprites) {
        const Rect destination{s.screenX, s.screenY, s.screenX + s.width, s.screenY + s.height};
        s.saved[parity] = destination;
        if (s.visible == 0) continue;
        BlitClipped(surfaces.sheet, surfaces.Back(), Rect{s.sheetX, s.sheetY, s.sheetX + s.width, s.sheetY + s.height},
                    destination, true);
        s.eraseCount = 2;
    }
    surfaces.FlipPages();
    table.pageParity = static_cast<std::int16_t>(1 - table.pageParity);
}

void ShowSmallDigit(Sprite& sprite, int digit) { sprite.sheetX = kDigitX[static_cast<std::size_t>(digit)] + 32; }

void ShowLargeDigit(Sprite& sprite, int digit) { sprite.sheetX = kDigitX[static_cast<std::size_t>(digit)] + 112; }

}  // namespace minigolf
