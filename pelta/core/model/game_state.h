#pragma once
// The one game-state record of the batting game. The view owns it; every step of the game
// takes it by reference. Plain data: the rules live in flight/, render/ and the frame loop.

#include <array>
#include <cstdint>
#include <string>

#include "pelta/model/high_scores.h"
#include "pelta/model/pitch.h"
#include "pelta/model/sprite_index.h"

namespace pelta {

inline constexpr int kStartLives = 12;
inline constexpr char kStartPrompt[] = "Any key または ﾏｳｽｸﾘｯｸ でｽﾀｰﾄ!!";
inline constexpr char kDefaultPlayerName[] = "na･na･shi";

// practiceMode values.
inline constexpr std::uint8_t kNormalGame = 0;
inline constexpr std::uint8_t kPractice = 1;
inline constexpr std::uint8_t kContinuousPractice = 2;

struct GameState {
    std::uint8_t pitcherFrame = SpriteIndex::PitcherStanding;
    std::uint8_t batterFrame = SpriteIndex::BatterStanding;
    PitchResult result = PitchResult::None;
    std::uint8_t ballSprite = SpriteIndex::Ball;
    std::uint8_t eraserSprite = SpriteIndex::Background;
    GamePhase phase = GamePhase::Idle;
    std::uint8_t phaseTicks = 0;
    Level level = Level::Easy;
    PitchSpec pitch{};

    // Ball: top-left corner of its 6 × 6 picture, and where it was last drawn.
    float x = -10.0f, y = 100.0f;
    float prevX = -10.0f, prevY = 100.0f;
    float speed = 0.0f;  // pixels per frame along x; negative moves left

    std::int32_t contactOffset = 0;
    std::int32_t lives = 0;
    std::int32_t score = 0;
    std::int32_t combo = 0;
    std::int32_t points = 0;
    std::int32_t pointsStep = 0;
    std::int32_t pointsPending = 0;
    std::int32_t resultShown = 0;
    std::int32_t blinkOn = 0;
    std::int32_t rainbowIndex = 0;

    // Progress of the pitch's effects; reset at every pitch start.
    std::uint8_t speedDone = 0, smallDone = 0, cloneDone = 0;
    std::uint8_t clonePhase = 0;
    std::uint8_t stopIndex = 0;  // 2 = all stops or speed changes done
    std::uint8_t stopped = 0;
    std::uint8_t stopTicks = 0;
    PitchRun run{};
    std::uint8_t warpCount = 0;  // 2 = all warps done
    std::uint8_t waveDone = 0;
    float verticalSpeed = 1.5f;
    std::uint8_t tornadoPhase = 0;

    std::array<std::int32_t, kResultKinds> resultCounts{};
    std::int32_t maxCombo = 0;
    std::string playerName = kDefaultPlayerName;
    HighScoreTable highScores{};
    std::int32_t waveOn = 1;
    std::uint8_t practiceMode = kNormalGame;
    std::string caption = kStartPrompt;
};

inline void ResetBall(GameState& s) {
    s.x = -10.0f;
    s.y = 100.0f;
    s.prevX = -10.0f;
    s.prevY = 100.0f;
    s.speed = 0.0f;
}

inline void ResetScoring(GameState& s) {
    s.ballSprite = SpriteIndex::Ball;
    s.eraserSprite = SpriteIndex::Background;
    s.score = 0;
    s.lives = 0;
    s.combo = 0;
    s.blinkOn = 0;
    s.rainbowIndex = 0;
    s.resultShown = 0;
}

}  // namespace pelta
