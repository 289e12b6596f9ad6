#include <cmath>

#include "shot_fixture.h"

namespace minigolf {
namespace {

using BallRolling = test_support::ShotTest;

TEST_F(BallRolling, ALaunchAtNineSlowsByATenthEachFrameAndStopsOnAWholePixel) {
    Place(8.0, 200.0, 4, 9.0);
    double previous = ball.x;
    double expectedStep = 9.0;
    int frames = 0;
    while (phase == GolfPhase::kRolling) {
        Roll();
        ++frames;
        if (phase != GolfPhase::kRolling) break;
        EXPECT_NEAR(ball.x - previous, expectedStep, 1e-9) << "frame " << frames;
        EXPECT_EQ(ball.y, 200.0);
        previous = ball.x;
        expectedStep -= 0.1;
    }
    EXPECT_EQ(frames, 91) << "ninety brakings leave a rounding error above zero";
    EXPECT_EQ(phase, GolfPhase::kStrokeShow);
    EXPECT_EQ(strokes, 2);
    EXPECT_EQ(ball.speed, 0.0);
    EXPECT_EQ(ball.x, std::trunc(ball.x));
    EXPECT_EQ(ball.x, 417.0) << "8 + 9.0 + 8.9 + … + 0.1, truncated";
    EXPECT_EQ(sprites[kAimMarkerSprite].visible, 1);
    EXPECT_EQ(sprites[kAimMarkerSprite].screenX, 417);
    EXPECT_TRUE(effects.played.empty());
}

TEST_F(BallRolling, AShotAtPowerZeroCountsAStrokeWithoutMoving) {
    Place(100.0, 100.0, 4, 9.0);
    phase = GolfPhase::kAim;
    Aim(0);  // 9.0 wraps to 0.0
    ASSERT_EQ(ball.speed, 0.0);
    Aim(0, 1);
    ASSERT_EQ(phase, GolfPhase::kRolling);
    Roll();
    EXPECT_EQ(phase, GolfPhase::kStrokeShow);
    EXPECT_EQ(strokes, 2);
    EXPECT_EQ(ball.x, 100.0);
    EXPECT_EQ(ball.y, 100.0);
}

TEST_F(BallRolling, TheCupTakesABallAtSevenOrLessAfterBraking) {
    struct Case {
        double speed;
        bool holed;
    };
    for (const Case c : {Case{7.1, true}, Case{7.2, false}, Case{3.0, true}}) {
        SCOPED_TRACE(c.speed);
        FillTiles(kCup);
        Place(300.0, 300.0, 0, c.speed);
        phase = GolfPhase::kRolling;
        sprites[kBallSprite].visible = 1;
        Roll();
        EXPECT_EQ(phase, c.holed ? GolfPhase::kHoleOut : GolfPhase::kRolling);
        EXPECT_EQ(sprites[kBallSprite].visible, c.holed ? 0 : 1);
        EXPECT_EQ(strokes, 1);
    }
}

TEST_F(BallRolling, ABallStoppingInTheCupIsCountedAndHoled) {
    FillTiles(kCup);
    sprites[kAimMarkerSprite].visible = 0;
    Place(300.0, 300.0, 0, 0.05);
    Roll();
    EXPECT_EQ(phase, GolfPhase::kHoleOut);
    EXPECT_EQ(strokes, 2);
    EXPECT_EQ(sprites[kAimMarkerSprite].visible, 0);
}

TEST_F(BallRolling, SlowGroundBrakesMoreAndCanPushTheSpeedBelowZero) {
    FillTiles(kSlowGround);
    Place(300.0, 300.0, 4, 0.05);
    Roll();
    EXPECT_EQ(phase, GolfPhase::kStrokeShow);
    EXPECT_NEAR(ball.speed, -0.2, 1e-12);

    // Still rolling after the ordinary braking, then below zero: it slides back and stops.
    Place(300.0, 300.0, 4, 0.25);
    phase = GolfPhase::kRolling;
    Roll();
    ASSERT_EQ(phase, GolfPhase::kRolling);
    EXPECT_NEAR(ball.speed, -0.05, 1e-12);
    Roll();
    EXPECT_EQ(phase, GolfPhase::kStrokeShow);
    EXPECT_EQ(ball.x, 300.0) << "300.25 less 0.05, truncated";
}

TEST_F(BallRolling, APowerLeftBelowZeroRunsThroughTenthsUntilItWraps) {
    Place(300.0, 300.0, 0, -0.2);
    phase = GolfPhase::kAim;
    const double expected[] = {0.8, 1.8, 2.8, 3.8, 4.8, 5.8, 6.8, 7.8, 8.8, 0.0, 1.0, 2.0};
    for (const double power : expected) {
        Aim(0);
        EXPECT_NEAR(ball.speed, power, 1e-9);
        EXPECT_EQ(sprites[kGaugeSprite].width, static_cast<int>(power + 1.0) * 16);
    }
}

TEST_F(BallRolling, WallsTurnTheBallThroughTheirTable) {
    struct Case {
        const char* what;
        std::int16_t wall;
        std::int32_t dir;
        double x, y;  // before the frame's move of 0.5
        std::int32_t expectedDir;
    };
    // Wall tile at row 10, column 20: pixels x 320 … 335, y 160 … 175.
    const Case cases[] = {
        {"right into the open side of code 3", 3, 4, 320.0 + 8 - 15 - 0.5, 160.0, 4},
        {"right-down into code 4", 4, 5, 320.0 + 1 - 15 - 0.923 * 0.5, 160.0, 11},
        {"up into code 2", 2, 0, 320.0, 168.5, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FillTiles(0);
        SetTile(10, 20, c.wall);
        effects.played.clear();
        Place(c.x, c.y, c.dir, 0.5);
        phase = GolfPhase::kRolling;
        Roll();
        EXPECT_EQ(ball.dir, c.expectedDir);
        EXPECT_NEAR(ball.speed, 0.5, 1e-12) << "the refund undoes the frame's braking";
        EXPECT_EQ(effects.played, c.expectedDir != c.dir ? std::vector<int>{kPonEffect} : std::vector<int>{});
    }
}

TEST_F(BallRolling, EachProbeInAWallRefundsATenth) {
    struct Case {
        double y;  // code-2 tiles everywhere: solid from y 16r + 8 to 16r + 15
        int hits;
    };
    for (const Case c : {Case{152.0, 1}, Case{161.0, 2}, Case{160.0, 3}, Case{167.0, 3}}) {
        SCOPED_TRACE(c.y);
        FillTiles(2);
        Place(300.0, c.y, 4, 0.5);
        phase = GolfPhase::kRolling;
        Roll();
        EXPECT_EQ(ball.dir, 4);
        EXPECT_NEAR(ball.speed, 0.4 + 0.1 * c.hits, 1e-12);
    }
}

TEST_F(BallRolling, ACornerCanTurnTheBallTwiceInOneFrame) {
    // Code 4 right of the ball (table 3), then code 1 below it (table 0): down-right turns to
    // down-left and then to up-left.
    FillTiles(0);
    SetTile(10, 21, 4);
    SetTile(11, 20, 1);
    Place(321.0 - 0.707 * 0.5, 162.0 - 0.707 * 0.5, 6, 0.5);
    Roll();
    EXPECT_EQ(ball.dir, 14);
    EXPECT_NEAR(ball.speed, 0.6, 1e-12);
    EXPECT_EQ(effects.played, std::vector<int>{kPonEffect});
}

TEST_F(BallRolling, AnOpenCourseSendsTheBallBackFromEveryEdge) {
    // No walls at all: only the edges of the grid stop the ball leaving.
    const double starts[][2] = {{2.0, 230.0}, {620.0, 230.0}, {310.0, 2.0}, {310.0, 462.0}, {2.0, 2.0}, {620.0, 462.0}};
    for (const auto& start : starts) {
        for (std::int32_t dir = 0; dir < 16; ++dir) {
            SCOPED_TRACE(::testing::Message() << start[0] << "," << start[1] << " dir " << dir);
            FillTiles(0);
            Place(start[0], start[1], dir, 9.0);
            strokes = 1;
            const int frames = RollToRest();
            ASSERT_LT(frames, 200);
            EXPECT_GE(ball.x, -16.0);
            EXPECT_LE(ball.x, 640.0);
            EXPECT_GE(ball.y, -16.0);
            EXPECT_LE(ball.y, 480.0);
        }
    }
}

TEST_F(BallRolling, StartsThatAreNotNumbersOrFarAwayStillComeToRest) {
    const double starts[][2] = {{NAN, NAN}, {INFINITY, -INFINITY}, {1e300, 5.0}, {-3e9, 3e9}};
    for (const auto& start : starts) {
        SCOPED_TRACE(::testing::Message() << start[0] << "," << start[1]);
        FillTiles(0);
        Place(start[0], start[1], 3, 9.0);
        ASSERT_LT(RollToRest(), 200);
        EXPECT_TRUE(std::isfinite(ball.x));
        EXPECT_TRUE(std::isfinite(ball.y));
    }
}

}  // namespace
}  // namespace minigolf
