#include "minigolf/course/course_map.h"

namespace minigolf {
namespace {

// Solid quarters of wall codes 1 to 12: bits top-left 1, top-right 2, bottom-left 4,
// bottom-right 8.
constexpr std::uint8_t kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8;
constexpr std::uint8_t kAll = kTopLeft | kTopRight | kBottomLeft | kBottomRight;
constexpr std::uint8_t kWallQuarters[13] = {
    kAll,
    kTopLeft | kTopRight,
    kBottomLeft | kBottomRight,
    kTopRight | kBottomRight,
    kTopLeft | kBottomLeft,
    kAll & ~kTopLeft,
    kAll & ~kTopRight,
    kAll & ~kBottomLeft,
    kAll & ~kBottomRight,
    kAll & ~kTopLeft,
    kAll & ~kTopRight,
    kAll & ~kBottomLeft,
    kAll & ~kBottomRight,
};

}  // namespace

void WriteTileCells(CollisionGrid& grid, int row, int column, std::int16_t code) {
    const std::uint8_t quarters = code >= kFirstWall && code <= kLastWall ? kWallQuarters[code] : kAll;
    const auto r = static_cast<std::size_t>(2 * row);
    const auto c = static_cast<std::size_t>(2 * column);
    grid.cells[r][c] = (quarters & kTopLeft) != 0 ? code : 0;
    grid.cells[r][c + 1] = (quarters & kTopRight) != 0 ? code : 0;
    grid.cells[r + 1][c] = (quarters & kBottomLeft) != 0 ? code : 0;
    grid.cells[r + 1][c + 1] = (quarters & kBottomRight) != 0 ? code : 0;
}

}  // namespace minigolf
