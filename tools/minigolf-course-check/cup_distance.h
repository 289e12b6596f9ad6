#pragma once
// How far each collision cell is from the cup, walking round walls: the measure by which the
// search keeps the most promising resting places when there are too many to try them all.

#include <array>
#include <cstdint>

#include "minigolf/course/course_map.h"
#include "minigolf/play/ball.h"

namespace minigolf::course_check {

class CupDistance {
public:
    explicit CupDistance(const CollisionGrid& grid);

    // Steps (8 neighbours each) from the cell under the ball's centre to the nearest cup cell;
    // kUnreachable when walls shut it off or the ball is off the grid.
    std::int32_t From(const Ball& ball) const;

    static constexpr std::int32_t kUnreachable = INT32_MAX;

private:
    std::array<std::array<std::int32_t, kCellColumns>, kCellRows> steps_;
};

}  // namespace minigolf::course_check
