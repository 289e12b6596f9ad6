#pragma once
// The ball: where it is, where it goes and how fast.

#include <cmath>
#include <cstdint>

namespace minigolf {

struct Ball {
    // Top-left corner of the ball's 16 × 16 box in screen pixels; the centre is (x + 8, y + 8).
    double x = 0.0;
    double y = 0.0;
    // 0..15, d × 22.5° clockwise from straight up; also the aim.
    std::int32_t dir = 0;
    // Pixels per frame while rolling; the shot power while aiming.
    double speed = 0.0;
};

// Conversion toward zero. A ball that an open course let run off the screen, or a course file's
// start that is not a number, must not make the conversion undefined: values beyond ±2^30
// (far off the screen, yet with room to add a sprite's size) are held there, and NaN counts as 0.
inline std::int32_t Truncate(double value) {
    constexpr double kLimit = 1073741824.0;
    if (std::isnan(value)) return 0;
    if (value > kLimit) return static_cast<std::int32_t>(kLimit);
    if (value < -kLimit) return -static_cast<std::int32_t>(kLimit);
    return static_cast<std::int32_t>(value);
}

}  // namespace minigolf
