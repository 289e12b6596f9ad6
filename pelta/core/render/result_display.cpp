#include "pelta/render/result_display.h"

#include <algorithm>

#include "pelta/render/field_drawing.h"

namespace pelta {
namespace {

constexpr int kLabelX = 560, kLabelY = 48, kLabelW = 65, kLabelH = 13;
constexpr int kRainbowColours = 7;

constexpr int kComboLabelX = 586, kComboY = 33;
constexpr int kComboUnitsX = 576;  // further digits 8 px apart to the left
constexpr int kPointsY = 63;
// Units first; the ten-thousands digit sits 12 px left of the thousands.
constexpr int kPointsDigitX[] = {618, 610, 602, 594, 582};
// The plus sign stands just before the leading digit, indexed by the number of digits.
constexpr int kPointsPlusX[] = {0, 610, 602, 594, 582, 570};
constexpr int kSmallDigitW = 7, kSmallDigitH = 10;

std::uint8_t LabelFor(PitchResult result) {
    switch (result) {
        case PitchResult::HomeRun: return SpriteIndex::LabelHomeRunRed;
        case PitchResult::CleanHit: return SpriteIndex::LabelCleanHit;
        case PitchResult::Hit: return SpriteIndex::LabelHit;
        case PitchResult::WeakHit: return SpriteIndex::LabelWeakHit;
        case PitchResult::SwingMiss: return SpriteIndex::LabelSwingMiss;
        default: return SpriteIndex::LabelWatched;
    }
}

void SmallDigit(Canvas& canvas, int digit, int x, int y) {
    canvas.Blit(SpriteIndex::SmallDigit0 + digit, x, y, kSmallDigitW, kSmallDigitH);
}

}  // namespace

void ShowResultLabel(GameState& s, Canvas& canvas) {
    if (!s.resultShown || s.result == PitchResult::None) return;
    if (s.result == PitchResult::PerfectHomeRun) {
        // Cycles colours every frame and never blanks.
        canvas.Blit(SpriteIndex::LabelHomeRunFirst + s.rainbowIndex, kLabelX, kLabelY, kLabelW, kLabelH);
        s.rainbowIndex = (s.rainbowIndex + 1) % kRainbowColours;
        s.blinkOn = 1;
    } else if (s.blinkOn == 1) {
        ClearResultLabel(canvas);
        s.blinkOn = 0;
    } else {
        canvas.Blit(LabelFor(s.result), kLabelX, kLabelY, kLabelW, kLabelH);
        s.blinkOn = 1;
    }
}

void DrawComboAndPoints(const GameState& s, Canvas& canvas) {
    if (!s.resultShown) return;

    if (s.combo <= 0) {
        ClearComboArea(canvas);
    } else {
        canvas.Blit(SpriteIndex::LabelCombo, kComboLabelX, kComboY, kLabelW, kLabelH);
        // Only four digit places: a longer run shows as 9999, like a counter that has topped out.
        int rest = std::min(s.combo, kMaxShownCombo);
        for (int x = kComboUnitsX; rest > 0; x -= 8, rest /= 10) SmallDigit(canvas, rest % 10, x, kComboY);
    }

    if (s.points > 0) {
        // Five digit places: more shows as 99999, as for the combo.
        int rest = std::min(s.points, kMaxShownPoints);
        int digits = 0;
        for (; rest > 0; rest /= 10, ++digits) SmallDigit(canvas, rest % 10, kPointsDigitX[digits], kPointsY);
        canvas.Blit(SpriteIndex::SmallPlus, kPointsPlusX[digits], kPointsY, kSmallDigitW, kSmallDigitH);
    }
}

}  // namespace pelta
