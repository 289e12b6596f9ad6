#pragma once
// What a hit is worth: result, combo and points by the distance from the sweet spot.
// Used by the contact judgement; pure, so the whole table can be checked.

#include <cstdint>

#include "pelta/model/pitch.h"

namespace pelta {

inline constexpr int kSweetSpotX = 580;
inline constexpr int kMaxHitDistance = 25;  // the hitting window is 580 ± 25

struct HitOutcome {
    PitchResult result = PitchResult::None;
    std::int32_t combo = 0;   // after this hit
    std::int32_t points = 0;
    bool operator==(const HitOutcome&) const = default;
};

// distance: |trunc(x) - 580|, 0..25; comboBefore: the combo before this hit.
HitOutcome ClassifyHit(int distance, std::int32_t comboBefore);

}  // namespace pelta
