#pragma once
// Aiming and rolling: the two steps that move the ball, one call per frame.

#include <cstdint>

#include "minigolf/course/course_map.h"
#include "minigolf/devices/effects.h"
#include "minigolf/devices/mouse.h"
#include "minigolf/pages/sprites.h"
#include "minigolf/play/ball.h"
#include "minigolf/play/golf_phase.h"

namespace minigolf {

// The game state the two steps read and change.
struct ShotState {
    Ball& ball;
    SpriteTable& sprites;
    GolfPhase& phase;
    std::int32_t& strokes;
};

// Phase Aim: the button shoots with the power of the previous frame; otherwise the aim marker
// follows the aim, sideways motion beyond 5 counts turns it, and the power steps round 1 … 9, 0.
void AimStep(ShotState state, const MouseReading& mouse);

// Phase Rolling: move, brake, stop (counting the stroke), drop into the cup, brake on slow
// ground and reflect off walls, in that order; a wall that turned the ball plays "pon".
void StepBall(ShotState state, const CollisionGrid& grid, EffectPlayer& effects);

}  // namespace minigolf
