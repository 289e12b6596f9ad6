#pragma once
// What the ball finds in the collision grid at a cell, in or out of the grid.

#include <cstdint>

#include "minigolf/course/course_map.h"

namespace minigolf {

// The cell's code. A course is meant to be closed by walls, yet an open one can let the ball's
// probes leave the grid: a cell out of it then acts as a wall facing back into the field
// (code 3, open to the right, left of the grid; code 4 right of it; code 2 above; code 1 below),
// so that the ball is turned back the way real walls turn it and the grid is never read outside.
// A point beyond a corner counts as beyond the side edge.
std::int16_t CellAt(const CollisionGrid& grid, std::int32_t row, std::int32_t column);

bool InsideGrid(std::int32_t row, std::int32_t column);

}  // namespace minigolf
