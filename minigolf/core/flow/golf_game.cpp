#include "minigolf/flow/golf_game.h"

#include "minigolf/course/load_course.h"
#include "minigolf/flow/frame_gate.h"
#include "minigolf/flow/ranking_screen.h"
#include "minigolf/pages/bitmap_sheet.h"
#include "minigolf/pages/restore.h"
#include "minigolf/play/shot.h"

namespace minigolf {

GolfGame::GolfGame(const GolfPlatform& platform) : platform_(platform), surfaces_(platform.presenter) {}

bool GolfGame::Start() {
    if (!LoadBitmapSurface(platform_.sheetBitmap, surfaces_.sheet, surfaces_.palette)) return false;
    ResetSprites(state_.sprites, Truncate(state_.ball.x), Truncate(state_.ball.y));
    return true;
}

bool GolfGame::RunFrame(std::uint32_t nowMs) {
    if (failure_ || !FrameDue(nowMs, state_.lastFrameTime)) return false;
    RunPhaseStep();
    DrawSprites(surfaces_, state_.sprites);
    return true;
}

void GolfGame::RunPhaseStep() {
    switch (state_.phase) {
        case GolfPhase::kAim:
            AimStep(ShotState{state_.ball, state_.sprites, state_.phase, state_.strokes}, ReadMouse(platform_.mouse));
            break;
        case GolfPhase::kRolling:
            StepBall(ShotState{state_.ball, state_.sprites, state_.phase, state_.strokes}, state_.course.grid,
                     platform_.effects);
            break;
        case GolfPhase::kStrokeShow: StrokeShowStep(); break;
        case GolfPhase::kHoleIntro: HoleIntroStep(); break;
        case GolfPhase::kHoleOut: HoleOutStep(); break;
        case GolfPhase::kFinalBanner: FinalBannerStep(); break;
        case GolfPhase::kRankingShow:
            state_.sprites[kTitleSprite].visible = 1;
            RankingShowStep();
            break;
        case GolfPhase::kNameEntry: NameEntryStep(); break;
        case GolfPhase::kWaitForStart: WaitForStartStep(); break;
    }
}

bool GolfGame::RestoreSurfaces() {
    return minigolf::RestoreSurfaces(surfaces_, platform_.sheetBitmap,
                                     [this](Surfaces& surfaces) { RedrawBackground(surfaces); });
}

void GolfGame::RedrawBackground(Surfaces& surfaces) {
    switch (state_.phase) {
        case GolfPhase::kRankingShow:
        case GolfPhase::kNameEntry:
        case GolfPhase::kWaitForStart:
            DrawRankingScreen(surfaces, state_);
            break;
        default:
            DrawCourseBackground(state_.course, surfaces);
            break;
    }
}

}  // namespace minigolf
