#include "minigolf/play/shot.h"

#include "minigolf/play/cell_lookup.h"
#include "minigolf/play/motion_tables.h"

namespace minigolf {
namespace {

constexpr double kAimMarkerDistance = 10.0;
constexpr double kPowerStep = 1.0;
constexpr double kMaxPower = 9.0;
constexpr std::int32_t kGaugePixelsPerPower = 16;
constexpr std::int32_t kTurnThreshold = 5;
constexpr double kBraking = 0.1;
constexpr double kSlowGroundBraking = 0.2;
constexpr double kWallRefund = 0.1;
constexpr double kCupSpeed = 7.0;

std::size_t Index(std::int32_t dir) { return static_cast<std::size_t>(dir); }

std::int16_t CentreCell(const CollisionGrid& grid, const Ball& ball) {
    return CellAt(grid, Truncate(ball.y + 8.0) / kCellSize, Truncate(ball.x + 8.0) / kCellSize);
}

}  // namespace

void AimStep(ShotState s, const MouseReading& mouse) {
    Sprite& marker = s.sprites[kAimMarkerSprite];
    if (mouse.ButtonDown()) {
        s.phase = GolfPhase::kRolling;
        marker.visible = 0;
        return;
    }
    const Sprite& ballSprite = s.sprites[kBallSprite];
    marker.screenX = ballSprite.screenX + Truncate(kStepX[Index(s.ball.dir)] * kAimMarkerDistance);
    marker.screenY = ballSprite.screenY + Truncate(kStepY[Index(s.ball.dir)] * kAimMarkerDistance);
    if (mouse.dx > kTurnThreshold) ++s.ball.dir;
    if (mouse.dx < -kTurnThreshold) --s.ball.dir;
    if (s.ball.dir > kDirections - 1) s.ball.dir = 0;
    if (s.ball.dir < 0) s.ball.dir = kDirections - 1;
    s.ball.speed += kPowerStep;
    if (s.ball.speed > kMaxPower) s.ball.speed = 0.0;
    s.sprites[kGaugeSprite].width = Truncate(s.ball.speed + 1.0) * kGaugePixelsPerPower;
}

void StepBall(ShotState s, const CollisionGrid& grid, EffectPlayer& effects) {
    Ball& ball = s.ball;
    Sprite& ballSprite = s.sprites[kBallSprite];
    Sprite& marker = s.sprites[kAimMarkerSprite];

    ball.x += kStepX[Index(ball.dir)] * ball.speed;
    ball.y += kStepY[Index(ball.dir)] * ball.speed;
    ballSprite.screenX = Truncate(ball.x);
    ballSprite.screenY = Truncate(ball.y);

    ball.speed -= kBraking;
    if (!(ball.speed > 0.0)) {
        ball.speed = 0.0;
        s.phase = GolfPhase::kStrokeShow;
        ++s.strokes;
        marker.visible = 1;
        ball.x = ballSprite.screenX;
        ball.y = ballSprite.screenY;
        marker.screenX = ballSprite.screenX;
        marker.screenY = ballSprite.screenY;
    }

    if (CentreCell(grid, ball) == kCup && !(ball.speed > kCupSpeed)) {
        s.phase = GolfPhase::kHoleOut;
        ballSprite.visible = 0;
        marker.visible = 0;
    }

    if (CentreCell(grid, ball) == kSlowGround) ball.speed -= kSlowGroundBraking;

    const std::int32_t before = ball.dir;
    for (const Probe& p : kProbes) {
        const std::int32_t row = Truncate((ball.y + p.y) / 8.0);
        const std::int32_t column = Truncate((ball.x + p.x) / 8.0);
        const std::int16_t cell = CellAt(grid, row, column);
        if (cell < kFirstWall || cell > kLastWall) continue;
        const auto table = static_cast<std::size_t>(kBounceTableOfWall[static_cast<std::size_t>(cell)]);
        ball.dir = kBounce[table][Index(ball.dir)];
        // The edges of the grid refund nothing, so that a ball wholly outside it (a start that
        // is not on the screen) cannot gain speed from four probes at once and never stop.
        if (InsideGrid(row, column)) ball.speed += kWallRefund;
    }
    if (ball.dir != before) effects.PlayEffect(kPonEffect);
}

}  // namespace minigolf
