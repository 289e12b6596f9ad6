#pragma once
// One hole in memory: its tiles, the collision cells derived from them, par and start.

#include <array>
#include <cstdint>

namespace minigolf {

inline constexpr int kTileRows = 30;
inline constexpr int kTileColumns = 40;
inline constexpr int kTileSize = 16;
inline constexpr int kCellRows = 60;
inline constexpr int kCellColumns = 80;
inline constexpr int kCellSize = 8;

// Tile codes with a meaning for the ball; 1 to 12 are walls, any other code is open ground.
enum TileCode : std::int16_t {
    kOpenGround = 0,
    kFirstWall = 1,
    kLastWall = 12,
    kSlowGround = 13,
    kCup = 15,
};

// 8 × 8 cells; each holds 0 or the code of the tile that owns it.
struct CollisionGrid {
    std::array<std::array<std::int16_t, kCellColumns>, kCellRows> cells{};
};

struct CourseMap {
    std::array<std::array<std::int16_t, kTileColumns>, kTileRows> tiles{};
    CollisionGrid grid;
    std::int32_t par = 5;
    double startX = 100.0;
    double startY = 200.0;
};

// Writes the four cells of the tile at (row, column) from its code: walls fill the quarters
// their shape covers and leave the others open, every other code fills all four.
void WriteTileCells(CollisionGrid& grid, int row, int column, std::int16_t code);

}  // namespace minigolf
