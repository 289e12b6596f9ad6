#pragma once
// Loading a hole from its course file into the hole model and the course background.

#include <cstdint>
#include <span>

#include "minigolf/course/course_map.h"
#include "minigolf/files/game_files.h"
#include "minigolf/pages/surfaces.h"

namespace minigolf {

enum class CourseLoad {
    kLoaded,
    // The file ended early: what it held was read, everything after keeps the previous hole's
    // value.
    kShort,
    // No such hole or no such file; nothing changed.
    kMissing,
};

// Reads the course file of the hole (1-based) into the map, rebuilds every grid cell and draws
// every tile onto the course background.
CourseLoad LoadCourse(int hole, GameFiles& files, CourseMap& course, Surfaces& surfaces);

// The same from bytes already read: the file's layout is 1200 int16 tile codes by rows, int32
// par, double start x, double start y, all little-endian.
CourseLoad ReadCourse(std::span<const std::uint8_t> bytes, CourseMap& course, Surfaces& surfaces);

// Draws every tile of the map onto the background, colour-keyed over what is there.
void DrawCourseBackground(const CourseMap& course, Surfaces& surfaces);

// Draws the sheet's picture of tile code `code` onto the background's tile place (row, column).
void DrawTile(Surfaces& surfaces, int row, int column, std::int16_t code);

}  // namespace minigolf
