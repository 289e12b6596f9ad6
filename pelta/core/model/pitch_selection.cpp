#include "pelta/model/pitch_selection.h"

#include <utility>

namespace pelta {
namespace {

// r(n) = draw; the draw maps to `values[draw]`, and to None past the end of the list.
template <typename Kind, std::size_t N>
Kind Pick(Random& random, int n, const Kind (&values)[N]) {
    const int draw = random.R(n);
    return draw < static_cast<int>(N) ? values[draw] : Kind::None;
}

using S = SpeedKind;
using C = CloneKind;
using T = StopKind;
using W = WarpKind;
using V = VerticalKind;

PitchSpec SelectEasy(Random& r) {
    PitchSpec p;
    p.speed = Pick(r, 5, {S::SpeedUp, S::SpeedDown, S::HighSpeed});
    p.clone = Pick(r, 3, {C::Vanish});
    p.stop = Pick(r, 3, {T::Stop});
    return p;
}

PitchSpec SelectNormal(Random& r) {
    PitchSpec p;
    p.speed = Pick(r, 6, {S::SpeedUp, S::SpeedUp2, S::SpeedDown, S::SpeedDown2, S::HighSpeed});
    p.clone = Pick(r, 6, {C::Vanish, C::Clone});
    p.stop = Pick(r, 5, {T::Stop, T::Stop2});
    p.warp = Pick(r, 5, {W::Warp});
    p.vertical = Pick(r, 6, {V::Wave});
    return p;
}

PitchSpec SelectTrick(Random& r) {
    PitchSpec p;
    p.speed = Pick(r, 7, {S::SpeedUp, S::SpeedUp2, S::SpeedDown, S::SpeedDown2, S::HighSpeed, S::RandomSpeed});
    p.clone = Pick(r, 6, {C::Vanish, C::Clone, C::Clone2});
    p.stop = Pick(r, 6, {T::Stop, T::Stop2, T::VarSpeed, T::StopVarSpeed});
    p.warp = Pick(r, 7, {W::Warp, W::ReturnWarp});
    p.vertical = Pick(r, 7, {V::Wave, V::Zigzag});
    return p;
}

PitchSpec SelectAnoMani(Random& r) {
    PitchSpec p;
    p.speed = Pick(r, 7, {S::SpeedUp, S::SpeedUp2, S::SpeedDown, S::SpeedDown2, S::HighSpeed, S::RandomSpeed});
    p.small = Pick(r, 6, {SmallKind::Small});
    p.clone = Pick(r, 6, {C::Vanish, C::Clone, C::Clone2});
    p.stop = Pick(r, 8, {T::Stop, T::Stop2, T::VarSpeed, T::VarSpeed2, T::StopVarSpeed, T::StopVarSpeed2});
    p.warp = Pick(r, 6, {W::Warp, W::ReturnWarp, W::ReturnWarp2});
    p.vertical = Pick(r, 6, {V::Wave, V::Zigzag, V::Tornado});
    return p;
}

}  // namespace

PitchSpec SelectPitch(Level level, Random& random) {
    switch (level) {
        case Level::Normal: return SelectNormal(random);
        case Level::Trick: return SelectTrick(random);
        case Level::AnoMani: return SelectAnoMani(random);
        default: return SelectEasy(random);
    }
}

PitchRun DrawPitchRun(Random& random) {
    PitchRun run;
    run.stopDuration[0] = static_cast<std::uint8_t>(random.R(40) + 10);
    run.stopDuration[1] = static_cast<std::uint8_t>(random.R(40) + 10);
    run.stopPoint[0] = random.R(200) + 150;
    run.stopPoint[1] = random.R(200) + 150;
    if (run.stopPoint[0] > run.stopPoint[1]) std::swap(run.stopPoint[0], run.stopPoint[1]);
    run.warpPoint = random.R(100) + 150;
    run.warpDistance = random.R(50) + 100;
    return run;
}

}  // namespace pelta
