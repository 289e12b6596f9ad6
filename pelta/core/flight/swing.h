#pragma once
// The batter's swing and the referee. The key handler asks SwingAccepted and calls
// StartSwing; the frame loop calls SwingStep at the very start of every frame, before the
// phase step (hit_flight.h has what follows a hit).

#include "common/audio/wav_player.h"
#include "pelta/model/game_state.h"
#include "pelta/render/canvas.h"

namespace pelta {

inline constexpr float kWindowLeft = 555.0f;
inline constexpr float kWindowRight = 605.0f;

// Only a ball in flight with the batter in his ready stance can be swung at.
bool SwingAccepted(const GameState& s);

// Starts the swing and shows the pitch's name.
void StartSwing(GameState& s, Canvas& canvas);

// One frame of the swing animation (15..18, and 32..34 after a home run); on the contact
// frame (17) the ball is judged: a hit starts the HitFlight phase, a miss costs 2 lives.
void SwingStep(GameState& s, Canvas& canvas, audio::WavPlayer& sound);

}  // namespace pelta
