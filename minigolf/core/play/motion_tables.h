#pragma once
// The fixed tables of the ball's motion. The steps are the listed three-decimal values, not
// computed sines, and every result depends on them.

#include <array>
#include <cstdint>

namespace minigolf {

inline constexpr int kDirections = 16;

inline constexpr std::array<double, kDirections> kStepX = {
    0.0, 0.382, 0.707, 0.923, 1.0, 0.923, 0.707, 0.382, 0.0, -0.382, -0.707, -0.923, -1.0, -0.923, -0.707, -0.382};
inline constexpr std::array<double, kDirections> kStepY = {
    -1.0, -0.923, -0.707, -0.382, 0.0, 0.382, 0.707, 0.923, 1.0, 0.923, 0.707, 0.382, 0.0, -0.382, -0.707, -0.923};

struct Probe {
    std::int32_t x, y;
};

// Points of the ball's box tested against walls, in this order: top, right, bottom, left.
inline constexpr std::array<Probe, 4> kProbes = {{{8, 1}, {15, 8}, {8, 15}, {1, 8}}};

// kBounce[k][d]: the new direction of a ball going d that touches a wall of class k.
inline constexpr std::array<std::array<std::int32_t, kDirections>, 8> kBounce = {{
    {0, 1, 2, 3, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9},
    {8, 7, 6, 5, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11, 10, 9},
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1},
    {0, 15, 14, 13, 12, 11, 10, 9, 8, 9, 10, 11, 12, 13, 14, 15},
    {4, 3, 2, 3, 4, 5, 6, 7, 8, 9, 10, 9, 8, 7, 6, 5},
    {12, 11, 10, 9, 8, 7, 6, 7, 8, 9, 10, 11, 12, 13, 14, 13},
    {0, 1, 2, 1, 0, 15, 14, 13, 12, 11, 10, 11, 12, 13, 14, 15},
    {0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3},
}};

// The reflection table of wall codes 1 to 12, by code.
inline constexpr std::array<int, 13> kBounceTableOfWall = {-1, 0, 1, 2, 3, 6, 7, 5, 4, 4, 5, 7, 6};

}  // namespace minigolf
