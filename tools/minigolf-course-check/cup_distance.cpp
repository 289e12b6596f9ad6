#include "tools/minigolf-course-check/cup_distance.h"

#include <deque>
#include <utility>

namespace minigolf::course_check {
namespace {

bool IsWall(std::int16_t cell) { return cell >= kFirstWall && cell <= kLastWall; }

}  // namespace

CupDistance::CupDistance(const CollisionGrid& grid) {
    std::deque<std::pair<int, int>> queue;
    for (int r = 0; r < kCellRows; ++r) {
        for (int c = 0; c < kCellColumns; ++c) {
            const bool cup = grid.cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == kCup;
            steps_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cup ? 0 : kUnreachable;
            if (cup) queue.emplace_back(r, c);
        }
    }
    while (!queue.empty()) {
        const auto [r, c] = queue.front();
        queue.pop_front();
        const std::int32_t next = steps_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] + 1;
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                const int nr = r + dr, nc = c + dc;
                if (nr < 0 || nr >= kCellRows || nc < 0 || nc >= kCellColumns) continue;
                const auto ur = static_cast<std::size_t>(nr), uc = static_cast<std::size_t>(nc);
                if (IsWall(grid.cells[ur][uc]) || steps_[ur][uc] <= next) continue;
                steps_[ur][uc] = next;
                queue.emplace_back(nr, nc);
            }
        }
    }
}

std::int32_t CupDistance::From(const Ball& ball) const {
    const std::int32_t r = Truncate(ball.y + 8.0) / kCellSize, c = Truncate(ball.x + 8.0) / kCellSize;
    if (r < 0 || r >= kCellRows || c < 0 || c >= kCellColumns) return kUnreachable;
    return steps_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

}  // namespace minigolf::course_check
