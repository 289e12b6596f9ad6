#include "minigolf/play/cell_lookup.h"

namespace minigolf {

std::int16_t CellAt(const CollisionGrid& grid, std::int32_t row, std::int32_t column) {
    if (column < 0) return 3;
    if (column >= kCellColumns) return 4;
    if (row < 0) return 2;
    if (row >= kCellRows) return 1;
    return grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

bool InsideGrid(std::int32_t row, std::int32_t column) {
    return row >= 0 && row < kCellRows && column >= 0 && column < kCellColumns;
}

}  // namespace minigolf
