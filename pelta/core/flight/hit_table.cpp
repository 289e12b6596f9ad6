#include "pelta/flight/hit_table.h"

#include <iterator>

namespace pelta {
namespace {

struct HitBand {
    int maxDistance;
    PitchResult result;
    int comboDivisor;  // 0: the hit ends the combo and earns no bonus
};

constexpr HitBand kBands[] = {
    {2, PitchResult::PerfectHomeRun, 60},
    {7, PitchResult::HomeRun, 80},
    {12, PitchResult::CleanHit, 100},
    {16, PitchResult::Hit, 0},
    {kMaxHitDistance, PitchResult::WeakHit, 0},
};

}  // namespace

HitOutcome ClassifyHit(int distance, std::int32_t comboBefore) {
    const int closeness = 30 - distance;
    HitBand band = kBands[std::size(kBands) - 1];
    for (const HitBand& b : kBands) {
        if (distance <= b.maxDistance) {
            band = b;
            break;
        }
    }
    HitOutcome out;
    out.result = band.result;
    out.points = closeness * 4;
    if (band.comboDivisor == 0) {
        out.combo = 0;
    } else {
        out.combo = comboBefore + 1;
        out.points += out.combo * (closeness * 20 / band.comboDivisor);
    }
    return out;
}

}  // namespace pelta
