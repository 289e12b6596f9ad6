// The phases of a hole around the shots: its start, the stroke display, holing out and the end
// of the game.

#include <algorithm>
#include <cstdint>
#include <string>

#include "minigolf/course/course_files.h"
#include "minigolf/course/load_course.h"
#include "minigolf/flow/digits.h"
#include "minigolf/flow/golf_game.h"
#include "minigolf/flow/result_words.h"

namespace minigolf {
namespace {

constexpr std::int32_t kStrokeShowFrames = 30;
constexpr std::int32_t kBannerFrames = 40;
constexpr std::int32_t kMaxCount = 99;
constexpr std::int32_t kLastHole = 9;
constexpr std::int32_t kParLabelX = 230;

void ShowWord(Sprite& banner, int word) {
    const SheetWord& w = kResultWords[static_cast<std::size_t>(word)];
    banner.sheetX = w.sheetX;
    banner.sheetY = w.sheetY;
    banner.width = w.width;
    banner.screenX = 320 - w.width / 2;
}

void SetVisible(SpriteTable& sprites, std::initializer_list<int> indexes, std::int32_t visible) {
    for (const int i : indexes) sprites[i].visible = visible;
}

}  // namespace

void GolfGame::StrokeShowStep() {
    GolfState& s = state_;
    if (s.strokeShowFrames == 0) {
        SetVisible(s.sprites, {kStrokeLabelSprite, kStrokeTensLargeSprite, kStrokeUnitsLargeSprite}, 1);
        platform_.effects.PlayEffect(kPon2Effect);
        s.strokes = std::min(s.strokes, kMaxCount);
        ShowLargeDigit(s.sprites[kStrokeUnitsLargeSprite], Units(s.strokes));
        ShowLargeDigit(s.sprites[kStrokeTensLargeSprite], Tens(s.strokes));
        ShowSmallDigit(s.sprites[kStrokeUnitsSmallSprite], Units(s.strokes));
        ShowSmallDigit(s.sprites[kStrokeTensSmallSprite], Tens(s.strokes));
    }
    if (++s.strokeShowFrames > kStrokeShowFrames) {
        s.phase = GolfPhase::kAim;
        s.strokeShowFrames = 0;
        SetVisible(s.sprites, {kStrokeLabelSprite, kStrokeTensLargeSprite, kStrokeUnitsLargeSprite}, 0);
    }
}

void GolfGame::HoleIntroStep() {
    GolfState& s = state_;
    if (s.holeIntroFrames == 0) {
        SetVisible(s.sprites,
                   {kHoleLabelSprite, kHoleTensLargeSprite, kHoleUnitsLargeSprite, kStrokeUnitsLargeSprite,
                    kWordBannerSprite},
                   1);
        ShowWord(s.sprites[kWordBannerSprite], kParWord);
        s.sprites[kWordBannerSprite].screenX = kParLabelX;  // left of the par digit, not centred
        platform_.effects.PlayEffect(kPon2Effect);
        // A course file that cannot be read ends the game with a message: playing on would put the
        // ball on whatever the last hole left behind.
        if (LoadCourse(s.hole, platform_.files, s.course, surfaces_) == CourseLoad::kMissing) {
            const bool known = s.hole >= 1 && s.hole <= static_cast<std::int32_t>(kCourseFiles.size());
            failure_ = "コースファイル " +
                       (known ? std::string(kCourseFiles[static_cast<std::size_t>(s.hole - 1)]) : std::string("?")) +
                       " を読めません";
            return;
        }
        ShowBackground(surfaces_);
        s.ball.x = s.course.startX;
        s.ball.y = s.course.startY;
        for (const int i : {kBallSprite, kAimMarkerSprite}) {
            s.sprites[i].visible = 0;
            s.sprites[i].screenX = Truncate(s.ball.x);
            s.sprites[i].screenY = Truncate(s.ball.y);
        }
        s.strokes = 1;
        s.hole = std::min(s.hole, kMaxCount);
        ShowLargeDigit(s.sprites[kHoleTensLargeSprite], Tens(s.hole));
        ShowLargeDigit(s.sprites[kHoleUnitsLargeSprite], Units(s.hole));
        ShowSmallDigit(s.sprites[kHoleTensSmallSprite], Tens(s.hole));
        ShowSmallDigit(s.sprites[kHoleUnitsSmallSprite], Units(s.hole));
        ShowLargeDigit(s.sprites[kStrokeUnitsLargeSprite], Units(s.course.par));
        ShowSmallDigit(s.sprites[kStrokeTensSmallSprite], Tens(s.strokes));
        ShowSmallDigit(s.sprites[kStrokeUnitsSmallSprite], Units(s.strokes));
    }
    if (++s.holeIntroFrames > kBannerFrames) {
        s.phase = GolfPhase::kStrokeShow;
        s.holeIntroFrames = 0;
        SetVisible(s.sprites, {kBallSprite, kAimMarkerSprite}, 1);
        SetVisible(s.sprites,
                   {kHoleLabelSprite, kHoleTensLargeSprite, kHoleUnitsLargeSprite, kStrokeUnitsLargeSprite,
                    kWordBannerSprite},
                   0);
    }
}

void GolfGame::HoleOutStep() {
    GolfState& s = state_;
    if (s.holeOutFrames == 0) {
        s.sprites[kWordBannerSprite].visible = 1;
        platform_.effects.PlayEffect(kCupInEffect);
        ShowWord(s.sprites[kWordBannerSprite], ResultWordIndex(s.strokes, s.course.par));
        const std::int64_t againstPar = std::int64_t{s.strokes} - s.course.par;
        platform_.effects.PlayEffect(againstPar < 0 ? kNiceEffect : againstPar == 0 ? kParEffect : kBogiEffect);
        // No lower limit but the counter's own, which a course's par could otherwise overrun.
        s.total = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(s.total + againstPar, INT32_MIN, kMaxCount));
        Sprite& sign = s.sprites[kTotalSignSprite];
        sign.visible = s.total == 0 ? 0 : 1;
        if (s.total > 0) sign.sheetY = 16;
        if (s.total < 0) sign.sheetY = 32;
        ShowSmallDigit(s.sprites[kTotalTensSprite], Tens(s.total));
        ShowSmallDigit(s.sprites[kTotalUnitsSprite], Units(s.total));
    }
    if (++s.holeOutFrames > kBannerFrames) {
        s.phase = GolfPhase::kHoleIntro;
        ++s.hole;
        if (s.hole > kLastHole) {
            s.phase = GolfPhase::kFinalBanner;
            s.totalToRank = true;
        }
        s.holeOutFrames = 0;
        s.sprites[kWordBannerSprite].visible = 0;
    }
}

void GolfGame::FinalBannerStep() {
    GolfState& s = state_;
    if (s.finalBannerFrames == 0) {
        s.sprites[kWordBannerSprite].visible = 1;
        ShowWord(s.sprites[kWordBannerSprite], kEndOfGameWord);
        platform_.effects.PlayEffect(kPon2Effect);
    }
    if (++s.finalBannerFrames > kBannerFrames) {
        s.phase = GolfPhase::kRankingShow;
        s.finalBannerFrames = 0;
        s.sprites[kWordBannerSprite].visible = 0;
    }
}

}  // namespace minigolf
