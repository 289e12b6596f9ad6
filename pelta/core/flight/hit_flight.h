#pragma once
// The hit ball rising out of the field while its points count into the score. The frame
// loop runs HitFlightStep once per frame as the phase step of HitFlight.

#include "pelta/model/game_state.h"
#include "pelta/render/canvas.h"

namespace pelta {

// One frame: move the ball, add one step of the points to the score, redraw what the ball
// crosses; the phase becomes PitchOver once the ball is above the field.
void HitFlightStep(GameState& s, Canvas& canvas);

}  // namespace pelta
