#pragma once
// The pitched ball's flight. The frame loop sets the initial speed when the windup ends and
// runs FlightStep once per frame in the Release and Flight phases, after the phase's own
// animation.

#include "pelta/model/game_state.h"
#include "pelta/model/random.h"
#include "pelta/render/canvas.h"

namespace pelta {

inline constexpr float kReleaseX = 100.0f;
inline constexpr float kReleaseY = 100.0f;

// The speed the ball leaves the pitcher's hand with, by the pitch's speed effect (one draw).
float InitialSpeed(SpeedKind speed, Random& random);

// One frame: redraw the ball and batter, apply the six effects, move the ball, and end the
// pitch as Watched (2 lives) when the ball passes the batter unswung.
void FlightStep(GameState& s, Canvas& canvas, Random& random);

}  // namespace pelta
