#pragma once
// What each frame of the game does.

#include <cstdint>

namespace minigolf {

enum class GolfPhase : std::int32_t {
    kAim = 0,
    kRolling = 1,
    kStrokeShow = 2,
    kHoleIntro = 3,
    kHoleOut = 4,
    kFinalBanner = 5,
    kRankingShow = 6,
    kNameEntry = 7,
    kWaitForStart = 8,
};

}  // namespace minigolf
