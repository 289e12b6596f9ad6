#include "pelta/flight/hit_flight.h"

#include "pelta/render/field_drawing.h"

namespace pelta {
namespace {

// Adds one step of the hit's points; the last step takes whatever is left.
void CountUp(GameState& s) {
    if (s.pointsPending <= 0) return;
    if (s.pointsStep < s.pointsPending) {
        s.score += s.pointsStep;
        s.pointsPending -= s.pointsStep;
    } else {
        s.score += s.pointsPending;
        s.pointsPending = 0;
        s.pointsStep = 0;
    }
}

}  // namespace

void HitFlightStep(GameState& s, Canvas& canvas) {
    s.y -= 3.0f;
    s.x -= s.speed;

    CountUp(s);

    EraseBall(s, canvas);
    DrawSunAndClouds(canvas);
    DrawBatter(s, canvas);
    DrawLevelLabel(s, canvas);
    DrawScore(s, canvas);
    DrawBall(s, canvas);

    if (s.y < -30.0f) s.phase = GamePhase::PitchOver;
}

}  // namespace pelta
