#pragma once
// What a player can do with a ball at rest, and where each shot ends, through the game's own
// aiming and rolling steps.

#include <optional>
#include <vector>

#include "minigolf/course/course_map.h"
#include "minigolf/play/ball.h"
#include "tools/minigolf-course-check/shot_search.h"

namespace minigolf::course_check {

// Every distinct (aim, power) a player can click from a ball at rest: the gauge steps once a
// frame from the power the ball carries and the aim turns at most one step a frame, so the
// powers before the gauge first wraps (0.8, 1.8, … after slow ground) are only open to aims
// near the ball's last direction, while the whole steps come round again for every aim.
std::vector<Stroke> StrokeChoices(const Ball& rest);

struct ShotEnd {
    bool holed = false;
    // Where the ball came to rest, with the direction and power it carries into the next aim.
    Ball rest;
};

// Rolls the stroke from `rest` frame by frame until the ball stops or drops. Nothing when it is
// still rolling after `kMaxRollFrames` (a ball that walls keep speeding up).
std::optional<ShotEnd> PlayStroke(const CollisionGrid& grid, const Ball& rest, const Stroke& stroke);

inline constexpr int kMaxRollFrames = 5000;

}  // namespace minigolf::course_check
