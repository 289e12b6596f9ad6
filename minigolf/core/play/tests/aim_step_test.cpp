#include "shot_fixture.h"

namespace minigolf {
namespace {

using Aiming = test_support::ShotTest;

TEST_F(Aiming, SidewaysMotionBeyondFiveTurnsTheAimAndWraps) {
    struct Case {
        std::int32_t dir, dx, expected;
    };
    const Case cases[] = {{3, 6, 4}, {3, 5, 3}, {3, -5, 3}, {3, -6, 2}, {15, 40, 0}, {0, -40, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dir << " by " << c.dx);
        Place(100.0, 100.0, c.dir, 0.0);
        Aim(c.dx);
        EXPECT_EQ(ball.dir, c.expected);
    }
}

TEST_F(Aiming, TheMarkerShowsTheAimBeforeThisFramesTurn) {
    Place(100.0, 100.0, 2, 0.0);
    Aim(50);
    EXPECT_EQ(ball.dir, 3);
    EXPECT_EQ(sprites[kAimMarkerSprite].screenX, 107);  // trunc(0.707 × 10)
    EXPECT_EQ(sprites[kAimMarkerSprite].screenY, 93);
}

TEST_F(Aiming, PowerRunsOneToNineThenZeroAndSizesTheGauge) {
    Place(100.0, 100.0, 0, 0.0);
    const double expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1};
    for (const double power : expected) {
        Aim(0);
        EXPECT_EQ(ball.speed, power);
        EXPECT_EQ(sprites[kGaugeSprite].width, (static_cast<int>(power) + 1) * 16);
    }
}

TEST_F(Aiming, TheButtonShootsWithThePowerShownBefore) {
    Place(100.0, 100.0, 5, 6.0);
    phase = GolfPhase::kAim;
    sprites[kAimMarkerSprite].visible = 1;
    sprites[kGaugeSprite].width = 112;
    Aim(30, 0x80);
    EXPECT_EQ(phase, GolfPhase::kRolling);
    EXPECT_EQ(sprites[kAimMarkerSprite].visible, 0);
    EXPECT_EQ(ball.dir, 5);
    EXPECT_EQ(ball.speed, 6.0);
    EXPECT_EQ(sprites[kGaugeSprite].width, 112);
}

}  // namespace
}  // namespace minigolf
