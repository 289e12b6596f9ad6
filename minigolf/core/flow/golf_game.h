#pragma once
// The whole game: its state, its phases and the frame that drives them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "minigolf/course/course_map.h"
#include "minigolf/devices/effects.h"
#include "minigolf/devices/mouse.h"
#include "minigolf/files/game_files.h"
#include "minigolf/flow/rank_table.h"
#include "minigolf/pages/sprites.h"
#include "minigolf/pages/surfaces.h"
#include "minigolf/play/ball.h"
#include "minigolf/play/golf_phase.h"

namespace minigolf {

struct GolfState {
    GolfPhase phase = GolfPhase::kRankingShow;
    std::int32_t hole = 1;    // 1..9; 10 after the ninth hole until the next game
    std::int32_t strokes = 1; // the stroke being played on this hole
    std::int32_t total = 99;  // against par, never above 99
    // Whether the total is that of a game played to its end and still to be ranked. The total
    // alone used 99 as "nothing to rank", so a stored score of 99 or more asked for a name on
    // every ranking screen, even at start-up.
    bool totalToRank = false;
    std::int32_t rankPos = kNotPlaced;
    std::int32_t letterCount = 0;
    std::int32_t glyph = 0;
    std::int32_t inputDivider = 3;
    std::int32_t strokeShowFrames = 0;
    std::int32_t holeIntroFrames = 0;
    std::int32_t holeOutFrames = 0;
    std::int32_t finalBannerFrames = 0;
    // Set when a name could not be stored: the table in memory then stays on the ranking screens
    // of this run instead of the file's older one.
    bool rankingUnsaved = false;
    std::uint32_t lastFrameTime = 0;

    RankTable ranking;
    CourseMap course;
    Ball ball;
    SpriteTable sprites;
};

// What the game needs of its platform.
struct GolfPlatform {
    Presenter& presenter;
    EffectPlayer& effects;
    Mouse& mouse;
    GameFiles& files;
    // The sprite sheet, a Windows bitmap, kept for rebuilding the surfaces.
    std::span<const std::uint8_t> sheetBitmap;
};

class GolfGame {
public:
    explicit GolfGame(const GolfPlatform& platform);

    // Loads the sprite sheet and sets the sprites up; false when the sheet is not a usable
    // bitmap, which the shell reports as a failed display set-up.
    bool Start();

    // Runs one frame (phase step, then erase, draw and flip) when more than 50 ms have passed
    // since the last one; returns whether it ran. After a failure nothing runs any more.
    bool RunFrame(std::uint32_t nowMs);

    // A message for the player when the game cannot go on (a course file that cannot be read);
    // the shell shows it and ends.
    const std::optional<std::string>& Failure() const { return failure_; }

    // Rebuilds the sheet and the background (the current course or ranking screen) on both pages.
    bool RestoreSurfaces();

    GolfState& State() { return state_; }
    const GolfState& State() const { return state_; }
    Surfaces& Pages() { return surfaces_; }

private:
    // Phase steps, one per frame of their phase.
    void StrokeShowStep();
    void HoleIntroStep();
    void HoleOutStep();
    void FinalBannerStep();
    void RankingShowStep();
    void NameEntryStep();
    void WaitForStartStep();
    void RunPhaseStep();
    void RedrawBackground(Surfaces& surfaces);

    GolfPlatform platform_;
    Surfaces surfaces_;
    GolfState state_;
    std::optional<std::string> failure_;
};

}  // namespace minigolf
