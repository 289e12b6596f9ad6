#pragma once
// Courses as readable text, and their conversion to the game's 2420-byte course file.
//
// The text holds, in this order: comment lines starting with '#', a line "par N", a line
// "start X Y" (the top-left of the ball's 16 × 16 box in screen pixels), a line "map", and 30
// lines of 40 characters, one per tile, top row first (the legend is kLegend).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace minigolf::courses {

inline constexpr int kColumns = 40;
inline constexpr int kRows = 30;
inline constexpr std::size_t kFileBytes = 2420;

struct Course {
    std::array<std::int16_t, kColumns * kRows> tiles{};  // row-major, top row first
    std::int32_t par = 0;
    double startX = 0;
    double startY = 0;
};

struct LegendEntry {
    char symbol;
    std::int16_t code;
    std::string_view meaning;
};

// One character per tile code in use. Code 26 has none: its bytes would hold 0x1A, which ends
// a course file read in text mode.
inline constexpr std::array<LegendEntry, 39> kLegend{{
    {'.', 0, "open ground"},
    {'^', 1, "wall on the top half, facing up: the course lies above it"},
    {'v', 2, "wall on the bottom half, facing down: the course lies below it"},
    {'>', 3, "wall on the right half, facing right"},
    {'<', 4, "wall on the left half, facing left"},
    {'q', 5, "diagonal wall facing up and left (its top-left quarter open)"},
    {'e', 6, "diagonal wall facing up and right (its top-right quarter open)"},
    {'z', 7, "diagonal wall facing down and left (its bottom-left quarter open)"},
    {'c', 8, "diagonal wall facing down and right (its bottom-right quarter open)"},
    {'C', 9, "wall corner facing down and right (its top-left quarter open behind it)"},
    {'Z', 10, "wall corner facing down and left (its top-right quarter open behind it)"},
    {'E', 11, "wall corner facing up and right (its bottom-left quarter open behind it)"},
    {'Q', 12, "wall corner facing up and left (its bottom-right quarter open behind it)"},
    {':', 13, "sand: slows the ball"},
    {',', 14, "lighter mown grass"},
    {'O', 15, "the cup"},
    {'~', 16, "water"},
    {'*', 17, "red and yellow flowers"},
    {'T', 18, "tree, top left quarter"},
    {'t', 19, "tree, top right quarter"},
    {'Y', 20, "tree, bottom left quarter"},
    {'y', 21, "tree, bottom right quarter"},
    {'#', 22, "brick paving"},
    {'=', 23, "tee mat"},
    {';', 24, "lawn outside the course"},
    {'&', 25, "bush"},
    {'%', 27, "water with a lily pad"},
    {'+', 28, "pink flowers"},
    {'$', 29, "violet flowers"},
    {'8', 30, "arrow pointing up"},
    {'6', 31, "arrow pointing right"},
    {'2', 32, "arrow pointing down"},
    {'4', 33, "arrow pointing left"},
    {'_', 34, "wooden planks"},
    {'o', 35, "golden shrub"},
    {'s', 36, "bare soil"},
    {'g', 37, "gravel"},
    {'p', 38, "pink shrub"},
    {'!', 39, "a star painted on the grass"},
}};

// Reads a course text; on failure returns false and says why, naming the line.
bool ParseCourse(std::string_view text, Course& course, std::string& error);

// The course file bytes: tiles as little-endian int16, par as int32, start x and y as doubles.
std::string EncodeCourse(const Course& course);

// Course files are read through a text-mode stream on the system the game came from, which
// stops at a byte 0x1A and reads the pair 0x0D 0x0A as 0x0A. Returns an empty string when
// `bytes` hold neither (and so read the same either way), else what is wrong and where.
std::string TextModeHazard(std::string_view bytes);

}  // namespace minigolf::courses
