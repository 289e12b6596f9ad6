#include "pelta/render/field_drawing.h"

#include "pelta/render/caption.h"
#include "pelta/render/result_display.h"

namespace pelta {
namespace {

struct Point {
    int x, y;
};

constexpr Point kPitcherAt{10, 75};
constexpr int kPitcherW = 114, kPitcherH = 65;
constexpr Point kBatterAt{550, 75};
constexpr int kBatterW = 70, kBatterH = 65;
constexpr int kBallSize = 6;

constexpr int kLifeIcons = 6;
constexpr int kLifeX0 = 510, kLifeDx = 18, kLifeY = 150;
constexpr int kLifeW = 17, kLifeH = 23;

constexpr Point kLevelLabelAt{375, 6};
constexpr int kLevelLabelW = 83, kLevelLabelH = 10;

constexpr int kMaxScore = 9'999'999;
constexpr Point kScoreLabelAt{475, 6};
constexpr int kScoreLabelW = 32, kScoreLabelH = 10;
constexpr int kScoreDigits = 7;
constexpr int kScoreX0 = 515, kScoreDx = 16, kScoreY = 5;
constexpr int kLargeDigitW = 15, kLargeDigitH = 22;

constexpr int kLabelW = 65, kLabelH = 13;
constexpr Point kResultLabelAt{560, 48};
constexpr Point kComboAreaAt{560, 33};
constexpr Point kPointsAreaAt{560, 63};

constexpr Point kGrassAt[] = {{-15, 140}, {200, 145}, {400, 130}};
constexpr int kGrassW = 80, kGrassH = 20;
constexpr Point kSunAt{20, 5};
constexpr int kSunSize = 48;
constexpr Point kCloudAt[] = {{190, 10}, {100, 30}, {450, 40}};
constexpr int kCloudW = 80, kCloudH = 40;
constexpr int kHorizonY = 125;

}  // namespace

void DrawPitcher(const GameState& s, Canvas& canvas) {
    canvas.Blit(s.pitcherFrame, kPitcherAt.x, kPitcherAt.y, kPitcherW, kPitcherH);
}

void DrawBatter(const GameState& s, Canvas& canvas) {
    canvas.Blit(s.batterFrame, kBatterAt.x, kBatterAt.y, kBatterW, kBatterH);
}

void DrawBall(GameState& s, Canvas& canvas) {
    DrawBallAt(s, canvas, s.x, s.y);
}

void DrawBallAt(GameState& s, Canvas& canvas, float atX, float atY) {
    canvas.Blit(s.ballSprite, static_cast<int>(atX), static_cast<int>(atY), kBallSize, kBallSize);
    s.prevX = atX;
    s.prevY = atY;
}

void EraseBall(const GameState& s, Canvas& canvas) {
    canvas.Blit(s.eraserSprite, static_cast<int>(s.prevX), static_cast<int>(s.prevY), kBallSize, kBallSize);
}

void DrawLives(const GameState& s, Canvas& canvas) {
    // Two points per bat, emptied from the left: icon i is full down to 12 - 2i, half at 11 - 2i.
    for (int i = 0; i < kLifeIcons; ++i) {
        std::uint8_t icon = SpriteIndex::LifeEmpty;
        if (s.lives >= kStartLives - 2 * i)
            icon = SpriteIndex::LifeFull;
        else if (s.lives == kStartLives - 1 - 2 * i)
            icon = SpriteIndex::LifeHalf;
        canvas.Blit(icon, kLifeX0 + kLifeDx * i, kLifeY, kLifeW, kLifeH);
    }
}

void DrawLevelLabel(const GameState& s, Canvas& canvas) {
    const int level = static_cast<int>(s.level);
    if (s.practiceMode != kNormalGame || level >= kLevelCount) return;
    canvas.Blit(SpriteIndex::LabelLevelFirst + level, kLevelLabelAt.x, kLevelLabelAt.y, kLevelLabelW, kLevelLabelH);
}

void DrawScore(GameState& s, Canvas& canvas) {
    if (s.score > kMaxScore) s.score = kMaxScore;
    canvas.Blit(SpriteIndex::LabelScore, kScoreLabelAt.x, kScoreLabelAt.y, kScoreLabelW, kScoreLabelH);
    // A negative score cannot arise from the rules; show it as zero rather than as garbage digits.
    const int shown = s.score > 0 ? s.score : 0;
    int place = 1'000'000;
    for (int i = 0; i < kScoreDigits; ++i, place /= 10)
        canvas.Blit(SpriteIndex::LargeDigit0 + shown / place % 10, kScoreX0 + kScoreDx * i, kScoreY, kLargeDigitW,
                    kLargeDigitH);
}

void ClearResultLabel(Canvas& canvas) {
    canvas.Blit(SpriteIndex::LabelBlank, kResultLabelAt.x, kResultLabelAt.y, kLabelW, kLabelH);
}

void ClearComboArea(Canvas& canvas) {
    canvas.Blit(SpriteIndex::LabelBlank, kComboAreaAt.x, kComboAreaAt.y, kLabelW, kLabelH);
}

void ClearPointsArea(Canvas& canvas) {
    canvas.Blit(SpriteIndex::LabelBlank, kPointsAreaAt.x, kPointsAreaAt.y, kLabelW, kLabelH);
}

void DrawSunAndClouds(Canvas& canvas) {
    canvas.Blit(SpriteIndex::Sun, kSunAt.x, kSunAt.y, kSunSize, kSunSize);
    for (const Point& at : kCloudAt) canvas.Blit(SpriteIndex::Cloud, at.x, at.y, kCloudW, kCloudH);
}

void DrawField(GameState& s, Canvas& canvas) {
    canvas.FillRect(0, 0, kFieldWidth, kHorizonY, kSkyColour);
    canvas.FillRect(0, kHorizonY, kFieldWidth, kFieldHeight, kGroundColour);
    for (const Point& at : kGrassAt) canvas.Blit(SpriteIndex::Grass, at.x, at.y, kGrassW, kGrassH);
    DrawSunAndClouds(canvas);
    DrawPitcher(s, canvas);
    DrawBatter(s, canvas);
    DrawLives(s, canvas);
    DrawLevelLabel(s, canvas);
    DrawScore(s, canvas);
    DrawComboAndPoints(s, canvas);
    DrawCaption(s, canvas);
}

}  // namespace pelta
