#include "pelta/flight/effect_steps.h"

#include "pelta/render/field_drawing.h"

namespace pelta {
namespace {

constexpr std::uint8_t kAllDone = 2;  // stopIndex / warpCount once every stop or warp is done
constexpr float kEffectsEndX = 500.0f;
constexpr float kLevelY = 100.0f;
constexpr int kReturnWarpLead = 220;

bool IsSpeedUp(SpeedKind k) { return k == SpeedKind::SpeedUp || k == SpeedKind::SpeedUp2; }
bool IsSpeedDown(SpeedKind k) { return k == SpeedKind::SpeedDown || k == SpeedKind::SpeedDown2; }

// A stop at p[m] that holds the ball for d[m] + 1 frames.
bool StopTriggered(const GameState& s, int m) {
    return s.x > 1.2 * s.run.stopPoint[m] && s.stopTicks < s.run.stopDuration[m];
}

// Stop, StopVarSpeed: one stop at p[0]. stopTicks is not reset when it ends, so for
// StopVarSpeed the release test stays true and the speed changes again every frame from
// then on; kept on purpose, it is what makes that pitch erratic after its stop.
void SingleStop(GameState& s, Random& random, bool changeSpeed) {
    if (s.stopIndex != kAllDone && StopTriggered(s, 0)) s.stopped = 1;
    if (s.stopTicks > s.run.stopDuration[0]) {
        s.stopIndex = kAllDone;
        s.stopped = 0;
        if (changeSpeed) ChangeSpeed(s, random);
    }
}

// Stop2, StopVarSpeed2: a stop at p[0], then one at p[1].
void DoubleStop(GameState& s, Random& random, bool changeSpeed) {
    if (s.stopIndex != kAllDone && StopTriggered(s, s.stopIndex)) s.stopped = 1;
    if (s.stopIndex != kAllDone && s.stopTicks > s.run.stopDuration[s.stopIndex]) {
        s.stopped = 0;
        s.stopIndex += 1;
        s.stopTicks = 0;
        if (changeSpeed) ChangeSpeed(s, random);
    }
}

void ReturnJump(GameState& s) {
    s.x -= static_cast<float>(s.run.warpDistance) * 1.8f;
    if (IsSpeedUp(s.pitch.speed)) s.speed = static_cast<float>(s.speed - 1.0);
    if (IsSpeedDown(s.pitch.speed)) s.speed = static_cast<float>(s.speed + 1.0);
}

// Shows the ball at one of the clone places this frame; its true x stays.
template <std::size_t N>
void ShowClone(GameState& s, Canvas& canvas, const int (&offsets)[N]) {
    EraseBall(s, canvas);
    DrawBallAt(s, canvas, s.x + static_cast<float>(offsets[s.clonePhase % N]), s.y);
    s.clonePhase = static_cast<std::uint8_t>((s.clonePhase + 1) % N);
}

constexpr int kCloneOffsets[] = {-20, 0, 20};
constexpr int kClone2Offsets[] = {-40, 20, 0, -20, 40};

struct Offset {
    int dx, dy;
};
// A clockwise circle of radius about 10 around the true path.
constexpr Offset kTornadoOffsets[8] = {{0, -10}, {6, -6}, {10, 0}, {6, 6}, {0, 10}, {-6, 6}, {-10, 0}, {-6, -6}};

// Speed drift inside (from, to) until the ball passes `to`.
void SpeedDrift(GameState& s, Random& random, float from, float to, int n, double base, bool slowDown) {
    if (from < s.x && s.x < to && s.speedDone == 0) {
        const double change = random.R(n) * 0.01 + base;
        if (slowDown) {
            s.speed = static_cast<float>(s.speed - change);
            if (s.speed < 1.5) s.speed = 1.5f;
        } else {
            s.speed = static_cast<float>(s.speed + change);
        }
    }
    if (s.x > to) s.speedDone = 1;
}

}  // namespace

void ChangeSpeed(GameState& s, Random& random) {
    float delta = static_cast<float>(random.R(20) * 0.1 + 1.0);
    const int q = random.R(4);
    if (q != 0 && s.speed > 4.0) delta = -delta;
    s.speed += delta;
    if (s.speed < 2.0) s.speed = 2.0f;
    if (s.speed > 5.0) s.speed = 5.0f;
}

void StopEffectStep(GameState& s, Random& random) {
    const auto& p = s.run.stopPoint;
    switch (s.pitch.stop) {
        case StopKind::None: break;
        case StopKind::Stop: SingleStop(s, random, false); break;
        case StopKind::Stop2: DoubleStop(s, random, false); break;
        case StopKind::VarSpeed:
            if (s.x > static_cast<float>(p[0]) && s.stopIndex != kAllDone) {
                s.stopIndex = kAllDone;
                ChangeSpeed(s, random);
            }
            break;
        case StopKind::VarSpeed2:
            // The second change can follow on the next frame when p[1] is already behind the ball.
            if (s.stopIndex != kAllDone && s.x > static_cast<float>(p[s.stopIndex])) {
                s.stopIndex += 1;
                ChangeSpeed(s, random);
            }
            break;
        case StopKind::StopVarSpeed: SingleStop(s, random, true); break;
        case StopKind::StopVarSpeed2: DoubleStop(s, random, true); break;
    }
}

void VerticalEffectStep(GameState& s, Canvas& canvas) {
    if (s.pitch.vertical == VerticalKind::None) return;
    if (!(s.x < kEffectsEndX && s.waveDone == 0)) {
        // Every vertical pitch is level again before it reaches the hitting window.
        if (s.x > kEffectsEndX) {
            s.waveDone = 1;
            s.y = kLevelY;
        }
        return;
    }
    switch (s.pitch.vertical) {
        case VerticalKind::Wave:
            s.y += s.verticalSpeed;
            if (s.y <= kLevelY)
                s.verticalSpeed += 0.1f;
            else
                s.verticalSpeed -= 0.1f;
            break;
        case VerticalKind::Zigzag:
            s.y += s.verticalSpeed;
            if (s.y > 110.0f || s.y < 90.0f) s.verticalSpeed = -s.verticalSpeed;
            break;
        case VerticalKind::Tornado: {
            const Offset o = kTornadoOffsets[s.tornadoPhase % 8];
            EraseBall(s, canvas);
            DrawBallAt(s, canvas, s.x + static_cast<float>(o.dx), s.y + static_cast<float>(o.dy));
            s.tornadoPhase = static_cast<std::uint8_t>((s.tornadoPhase + 1) % 8);
            break;
        }
        case VerticalKind::None: break;
    }
}

void SmallEffectStep(GameState& s) {
    if (s.pitch.small != SmallKind::Small) return;
    if (100.0f < s.x && s.x < kEffectsEndX && s.smallDone == 0) {
        s.ballSprite = SpriteIndex::SmallBall;
    } else if (s.x > kEffectsEndX) {
        s.smallDone = 1;
        s.ballSprite = SpriteIndex::Ball;
    }
}

void WarpEffectStep(GameState& s) {
    const int w = s.run.warpPoint;
    switch (s.pitch.warp) {
        case WarpKind::None: break;
        case WarpKind::Warp:
            if (s.x > static_cast<float>(w) && s.warpCount != kAllDone) {
                s.warpCount = kAllDone;
                s.x += static_cast<float>(s.run.warpDistance);
                // A warp can halve a slowing ball below its own 1.5 floor.
                if (IsSpeedDown(s.pitch.speed)) s.speed = s.speed * 0.5f;
            }
            break;
        case WarpKind::ReturnWarp:
            if (s.x > static_cast<float>(w + kReturnWarpLead) && s.warpCount != kAllDone) {
                s.warpCount = kAllDone;
                ReturnJump(s);
            }
            break;
        case WarpKind::ReturnWarp2:
            // Counted one at a time, so the ball is thrown back each time it passes the point.
            if (s.x > static_cast<float>(w + kReturnWarpLead) && s.warpCount != kAllDone) {
                s.warpCount += 1;
                ReturnJump(s);
            }
            break;
    }
}

void CloneEffectStep(GameState& s, Canvas& canvas) {
    switch (s.pitch.clone) {
        case CloneKind::None: break;
        case CloneKind::Vanish:
            if (200.0f < s.x && s.x < 350.0f && s.cloneDone == 0) {
                s.ballSprite = SpriteIndex::Background;
            } else if (s.x > 350.0f) {
                // Every frame past 350 and after the small step, so a small ball that vanished
                // comes back at full size.
                s.cloneDone = 1;
                s.ballSprite = SpriteIndex::Ball;
            }
            break;
        case CloneKind::Clone:
        case CloneKind::Clone2:
            if (200.0f < s.x && s.x < 400.0f && s.cloneDone == 0) {
                if (s.pitch.clone == CloneKind::Clone)
                    ShowClone(s, canvas, kCloneOffsets);
                else
                    ShowClone(s, canvas, kClone2Offsets);
            } else if (s.x > 400.0f) {
                s.cloneDone = 1;
            }
            break;
    }
}

void SpeedEffectStep(GameState& s, Random& random) {
    switch (s.pitch.speed) {
        case SpeedKind::None:
        case SpeedKind::HighSpeed: break;
        case SpeedKind::SpeedUp: SpeedDrift(s, random, 110.0f, 330.0f, 15, 0.0, false); break;
        case SpeedKind::SpeedUp2: SpeedDrift(s, random, 300.0f, 500.0f, 15, 0.0, false); break;
        case SpeedKind::SpeedDown: SpeedDrift(s, random, 150.0f, 330.0f, 10, 0.08, true); break;
        case SpeedKind::SpeedDown2: SpeedDrift(s, random, 300.0f, 450.0f, 7, 0.08, true); break;
        case SpeedKind::RandomSpeed:
            if (100.0f < s.x && s.x < 350.0f) s.speed = static_cast<float>(random.R(50) * 0.1 + 1.0);
            break;
    }
}

}  // namespace pelta
