#include "tools/minigolf-course-check/player_shots.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <set>
#include <utility>

#include "minigolf/devices/effects.h"
#include "minigolf/pages/sprites.h"
#include "minigolf/play/golf_phase.h"
#include "minigolf/play/motion_tables.h"
#include "minigolf/play/shot.h"

namespace minigolf::course_check {
namespace {

// Enough aiming frames for the gauge to wrap once and then offer each whole step at every aim.
constexpr int kAimFrames = 30;
constexpr int kHalfTurn = kDirections / 2;

class Silence final : public EffectPlayer {
public:
    void PlayEffect(int) override {}
};

}  // namespace

std::vector<Stroke> StrokeChoices(const Ball& rest) {
    Ball ball = rest;
    SpriteTable sprites;
    GolfPhase phase = GolfPhase::kAim;
    std::int32_t strokes = 0;
    std::set<std::pair<std::int32_t, std::uint64_t>> seen;
    std::vector<Stroke> choices;
    for (int frame = 0; frame <= kAimFrames; ++frame) {
        const int reach = std::min(frame, kHalfTurn);
        for (int turn = -reach; turn <= reach; ++turn) {
            const std::int32_t dir = ((rest.dir + turn) % kDirections + kDirections) % kDirections;
            if (seen.emplace(dir, std::bit_cast<std::uint64_t>(ball.speed)).second) {
                choices.push_back(Stroke{dir, ball.speed});
            }
        }
        AimStep(ShotState{ball, sprites, phase, strokes}, MouseReading{});
    }
    return choices;
}

std::optional<ShotEnd> PlayStroke(const CollisionGrid& grid, const Ball& rest, const Stroke& stroke) {
    Ball ball{rest.x, rest.y, stroke.dir, stroke.power};
    SpriteTable sprites;
    sprites[kBallSprite].screenX = Truncate(ball.x);
    sprites[kBallSprite].screenY = Truncate(ball.y);
    GolfPhase phase = GolfPhase::kRolling;
    std::int32_t strokes = 0;
    Silence silence;
    for (int frame = 0; frame < kMaxRollFrames && phase == GolfPhase::kRolling; ++frame) {
        StepBall(ShotState{ball, sprites, phase, strokes}, grid, silence);
    }
    if (phase == GolfPhase::kRolling) return std::nullopt;
    return ShotEnd{phase == GolfPhase::kHoleOut, ball};
}

}  // namespace minigolf::course_check
