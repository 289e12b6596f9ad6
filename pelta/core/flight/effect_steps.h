#pragma once
// The per-frame rule of each effect category, in the order FlightStep applies them. Each
// function looks at its own category of s.pitch and does nothing for None.

#include "pelta/model/game_state.h"
#include "pelta/model/random.h"
#include "pelta/render/canvas.h"

namespace pelta {

// Stops and speed changes at the pitch's stop points; sets s.stopped while the ball stands.
void StopEffectStep(GameState& s, Random& random);
void VerticalEffectStep(GameState& s, Canvas& canvas);
void SmallEffectStep(GameState& s);
void WarpEffectStep(GameState& s);
void CloneEffectStep(GameState& s, Canvas& canvas);
void SpeedEffectStep(GameState& s, Random& random);

// A random change of 1.0..2.9 (usually a slowdown for a ball faster than 4), kept in 2..5.
void ChangeSpeed(GameState& s, Random& random);

}  // namespace pelta
