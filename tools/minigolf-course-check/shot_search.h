#pragma once
// The fewest strokes that hole a course, found by trying every shot a player can make (each of
// the 16 aims with each power the gauge offers) from every place the ball comes to rest, with the
// game's own aiming and rolling steps.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "minigolf/course/course_map.h"

namespace minigolf::course_check {

// One stroke as the player makes it: the aim and the power the gauge shows at the click.
struct Stroke {
    std::int32_t dir = 0;
    double power = 0.0;
};

struct SearchLimits {
    // Longest stroke sequence tried.
    int maxStrokes = 8;
    // Resting places expanded at most on one stroke count; beyond it, those nearest the cup
    // (walking round walls) are kept and the answer is only an upper bound.
    std::size_t maxLevelStates = 2000;
};

struct SearchResult {
    // The strokes of one shortest sequence found; empty when none holed the ball.
    std::vector<Stroke> best;
    // True when every sequence shorter than `best` was tried, so that `best` is the true
    // minimum; with none found, when every sequence up to the limit was tried.
    bool exhaustive = true;
    // True when the counts below include every sequence as short as `best`.
    bool allWaysCounted = true;
    // Resting places (with the shots they offer) from which every shot was tried.
    std::size_t statesExplored = 0;
    // Shots from the start.
    std::size_t firstStrokes = 0;
    // Shots from the start that begin a sequence as short as `best`.
    std::size_t firstStrokesToBest = 0;
    // (place, shot) pairs that hole the ball on the last stroke of a shortest sequence.
    std::size_t finishingShots = 0;
};

// The ball starts at the course's start with no power carried: whatever power the previous
// hole leaves, the gauge runs through the whole steps 1 … 9, 0 once it has wrapped, so the shots
// found are open to every player.
SearchResult FindFewestStrokes(const CourseMap& course, const SearchLimits& limits);

}  // namespace minigolf::course_check
