#include "pelta/flight/flight_step.h"

#include "pelta/flight/effect_steps.h"
#include "pelta/render/field_drawing.h"

namespace pelta {
namespace {

struct SpeedRange {
    int draws;    // r(draws) tenths of a pixel per frame ...
    double base;  // ... on top of this
};

// Indexed by SpeedKind. The names describe the flight, not the start: a SpeedUp ball leaves
// the hand slowly and accelerates, a SpeedDown ball leaves fast and slows.
constexpr SpeedRange kInitialSpeeds[] = {
    {20, 2.5},  // None
    {15, 1.0},  // SpeedUp
    {20, 1.0},  // SpeedUp2
    {10, 7.5},  // SpeedDown
    {15, 6.0},  // SpeedDown2
    {25, 4.0},  // HighSpeed
    {40, 2.0},  // RandomSpeed
};

constexpr int kWatchedPenalty = 2;

}  // namespace

float InitialSpeed(SpeedKind speed, Random& random) {
    const SpeedRange& range = kInitialSpeeds[static_cast<int>(speed)];
    return static_cast<float>(random.R(range.draws) * 0.1 + range.base);
}

void FlightStep(GameState& s, Canvas& canvas, Random& random) {
    EraseBall(s, canvas);
    DrawBatter(s, canvas);
    DrawBall(s, canvas);

    StopEffectStep(s, random);
    if (s.stopped == 1) {
        // Nothing else acts while the ball stands.
        s.stopTicks += 1;
        return;
    }
    VerticalEffectStep(s, canvas);
    SmallEffectStep(s);
    WarpEffectStep(s);
    CloneEffectStep(s, canvas);
    SpeedEffectStep(s, random);

    s.x += s.speed;
    if (s.x > 640 + 20 * s.speed) {
        // A swing and miss has already cost its lives.
        if (s.result != PitchResult::SwingMiss) {
            s.lives -= kWatchedPenalty;
            DrawLives(s, canvas);
            s.result = PitchResult::Watched;
            s.combo = 0;
            s.resultCounts[static_cast<int>(PitchResult::Watched) - 1] += 1;
        }
        s.phase = GamePhase::PitchOver;
        s.resultShown = 1;
    }
}

}  // namespace pelta
