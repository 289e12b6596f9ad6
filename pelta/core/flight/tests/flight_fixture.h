#pragma once
// Shared set-up for the flight tests: a ball in flight.

#include "common/audio/recording_wav_player.h"
#include "pelta/model/game_state.h"
#include "pelta/model/random.h"
#include "pelta/render/testing/recording_canvas.h"

namespace pelta {

// A pitch in flight at (x, 100) with the batter ready and a full set of lives. Stop points
// 200 and 300 (stops trigger past 240 and 360), stops of 10 frames, warp at 200 by 120.
inline GameState FlyingPitch(PitchSpec pitch, float speed, float x = 100.0f) {
    GameState s;
    s.phase = GamePhase::Flight;
    s.batterFrame = SpriteIndex::BatterReady;
    s.pitch = pitch;
    s.x = s.prevX = x;
    s.y = s.prevY = 100.0f;
    s.speed = speed;
    s.lives = kStartLives;
    s.run.stopDuration = {10, 10};
    s.run.stopPoint = {200, 300};
    s.run.warpPoint = 200;
    s.run.warpDistance = 120;
    return s;
}

inline void PushRepeated(ScriptedRandom& random, int value, int count) {
    for (int i = 0; i < count; ++i) random.Push(value);
}

}  // namespace pelta
