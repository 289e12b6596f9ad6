#include "pelta/flight/flight_step.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "flight_fixture.h"

namespace pelta {
namespace {

// The ball's x after every frame until the pitch is over (or `limit` frames).
std::vector<float> Fly(GameState& s, Random& random, int limit = 2000) {
    RecordingCanvas canvas;
    std::vector<float> xs;
    for (int i = 0; i < limit && s.phase == GamePhase::Flight; ++i) {
        FlightStep(s, canvas, random);
        xs.push_back(s.x);
    }
    return xs;
}

// Lengths of the runs of frames in which the ball did not move.
std::vector<int> StandStills(float startX, const std::vector<float>& xs) {
    std::vector<int> runs;
    float last = startX;
    int run = 0;
    for (float x : xs) {
        if (x == last) {
            ++run;
        } else if (run) {
            runs.push_back(run);
            run = 0;
        }
        last = x;
    }
    if (run) runs.push_back(run);
    return runs;
}

TEST(InitialSpeed, EachSpeedEffectsRange) {
    struct Case {
        SpeedKind kind;
        int n;
        float slowest;
    };
    const Case cases[] = {
        {SpeedKind::None, 20, 2.5f},      {SpeedKind::SpeedUp, 15, 1.0f},    {SpeedKind::SpeedUp2, 20, 1.0f},
        {SpeedKind::SpeedDown, 10, 7.5f}, {SpeedKind::SpeedDown2, 15, 6.0f}, {SpeedKind::HighSpeed, 25, 4.0f},
        {SpeedKind::RandomSpeed, 40, 2.0f},
    };
    for (const Case& c : cases) {
        ScriptedRandom random{0, c.n - 1, c.n};
        EXPECT_FLOAT_EQ(InitialSpeed(c.kind, random), c.slowest);
        EXPECT_NEAR(InitialSpeed(c.kind, random), c.slowest + (c.n - 1) * 0.1f, 1e-5);
        EXPECT_FLOAT_EQ(InitialSpeed(c.kind, random), c.slowest);  // r(n) wraps
    }
}

TEST(FlightStep, RedrawsBeforeMoving) {
    GameState s = FlyingPitch({}, 3.0f, 150.0f);
    s.prevX = 147.0f;
    RecordingCanvas canvas;
    ScriptedRandom random;
    FlightStep(s, canvas, random);
    EXPECT_EQ(canvas.Ops(), (std::vector{BlitOp(22, 147, 100, 6, 6), BlitOp(14, 550, 75, 70, 65),
                                         BlitOp(21, 150, 100, 6, 6)}));
    EXPECT_EQ(s.x, 153.0f);
    EXPECT_EQ(s.prevX, 150.0f);
}

TEST(FlightStep, PassLineIsStrict) {
    // At speed 3 the pass line is x > 700.
    GameState s = FlyingPitch({}, 3.0f, 697.0f);
    RecordingCanvas canvas;
    ScriptedRandom random;
    FlightStep(s, canvas, random);
    EXPECT_EQ(s.phase, GamePhase::Flight);
    FlightStep(s, canvas, random);
    EXPECT_EQ(s.phase, GamePhase::PitchOver);
}

TEST(FlightStep, PassingTheBatter) {
    struct Case {
        PitchResult resultBefore;
        std::int32_t lives, combo;
        PitchResult result;
        std::int32_t watchedCount;
    };
    const Case cases[] = {
        {PitchResult::None, 10, 0, PitchResult::Watched, 1},
        // A missed swing was already charged.
        {PitchResult::SwingMiss, 12, 3, PitchResult::SwingMiss, 0},
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({}, 3.0f, 690.0f);
        s.result = c.resultBefore;
        s.combo = 3;
        RecordingCanvas canvas;
        ScriptedRandom random;
        Fly(s, random);
        EXPECT_EQ(s.phase, GamePhase::PitchOver);
        EXPECT_EQ(s.resultShown, 1);
        EXPECT_EQ(s.lives, c.lives);
        EXPECT_EQ(s.combo, c.combo);
        EXPECT_EQ(s.result, c.result);
        EXPECT_EQ(s.resultCounts[6], c.watchedCount);
    }
}

// While the ball stands, no other effect acts: no draws, no bending, no clone images.
TEST(FlightStep, StoppedBallHoldsEveryOtherEffect) {
    GameState s = FlyingPitch({.speed = SpeedKind::RandomSpeed, .clone = CloneKind::Clone, .stop = StopKind::Stop,
                               .vertical = VerticalKind::Zigzag},
                              3.0f, 245.0f);
    RecordingCanvas canvas;
    ScriptedRandom random;  // any draw would throw
    FlightStep(s, canvas, random);
    EXPECT_EQ(s.stopped, 1);
    EXPECT_EQ(s.stopTicks, 1);
    EXPECT_EQ(s.x, 245.0f);
    EXPECT_EQ(s.y, 100.0f);
    EXPECT_EQ(s.clonePhase, 0);
    EXPECT_EQ(canvas.Ops().size(), 3u);  // erase, batter, ball
}

// The stop category's speed change comes before the speed category within one frame, so a
// RandomSpeed ball ends the frame at its own fresh speed.
TEST(FlightStep, StopSpeedChangeDrawsBeforeTheSpeedEffect) {
    GameState s = FlyingPitch({.speed = SpeedKind::RandomSpeed, .stop = StopKind::VarSpeed}, 3.0f, 201.0f);
    RecordingCanvas canvas;
    ScriptedRandom random{10, 0, 30};  // r(20), r(4) of the change; r(50) of RandomSpeed
    FlightStep(s, canvas, random);
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_NEAR(s.speed, 4.0f, 1e-5);
    EXPECT_NEAR(s.x, 205.0f, 1e-4);
    EXPECT_EQ(s.stopIndex, 2);
}

// Small before clone: the vanished ball stays hidden up to 350, then the vanish rule shows it
// at full size on every frame, after the small rule has picked the small picture.
TEST(FlightStep, VanishedSmallBallReturnsAtFullSize) {
    GameState s = FlyingPitch({.small = SmallKind::Small, .clone = CloneKind::Vanish}, 5.0f, 335.0f);
    RecordingCanvas canvas;
    ScriptedRandom random;
    std::vector<int> drawn;  // the picture drawn for the ball on each frame
    for (int frame = 0; frame < 7; ++frame) {
        canvas.Clear();
        FlightStep(s, canvas, random);
        drawn.push_back(canvas.Ops().back().sprite);
    }
    // x at the frame's start: 335, 340, 345, 350 (on the edge: small only), 355, 360, 365.
    EXPECT_EQ(drawn, (std::vector{21, 22, 22, 22, 70, 21, 21}));
}

TEST(StopEffect, StopHoldsTheBallForDurationPlusOneFrames) {
    struct Case {
        StopKind kind;
        std::array<std::uint8_t, 2> durations;
        std::array<std::int32_t, 2> points;
        std::vector<int> standStills;
    };
    const Case cases[] = {
        {StopKind::Stop, {10, 30}, {200, 300}, {11}},
        {StopKind::Stop, {49, 10}, {150, 349}, {50}},
        {StopKind::Stop2, {10, 20}, {200, 300}, {11, 21}},
        // Both stop points equal: the ball moves one frame between the two stops.
        {StopKind::Stop2, {12, 15}, {250, 250}, {13, 16}},
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.stop = c.kind}, 3.0f);
        s.run.stopDuration = c.durations;
        s.run.stopPoint = c.points;
        ScriptedRandom random;
        const auto xs = Fly(s, random);
        EXPECT_EQ(StandStills(100.0f, xs), c.standStills) << static_cast<int>(c.kind);
        EXPECT_EQ(s.stopIndex, 2);
        EXPECT_EQ(s.phase, GamePhase::PitchOver);
    }
}

TEST(StopEffect, StopTriggersOnlyPastOnePointTwoTimesThePoint) {
    GameState s = FlyingPitch({.stop = StopKind::Stop}, 3.0f, 240.0f);  // 1.2 × 200
    RecordingCanvas canvas;
    ScriptedRandom random;
    FlightStep(s, canvas, random);
    EXPECT_EQ(s.stopped, 0);
    EXPECT_EQ(s.x, 243.0f);
    FlightStep(s, canvas, random);
    EXPECT_EQ(s.stopped, 1);
    EXPECT_EQ(s.x, 243.0f);
}

TEST(StopEffect, SpeedChangesAtTheStopPoints) {
    struct Case {
        StopKind kind;
        std::vector<int> draws;  // pairs: r(20), r(4)
        float finalSpeed;
    };
    const Case cases[] = {
        {StopKind::VarSpeed, {10, 0}, 5.0f},          // one change at 200: 3 + 2.0
        {StopKind::VarSpeed2, {0, 0, 0, 1}, 5.0f},    // at 200: +1 -> 4; at 300: not > 4, +1 -> 5
        {StopKind::VarSpeed2, {10, 0, 15, 1}, 2.5f},  // 5.0, then faster than 4: -2.5
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.stop = c.kind}, 3.0f);
        ScriptedRandom random;
        for (int v : c.draws) random.Push(v);
        Fly(s, random);  // an unexpected extra change would run the script dry and throw
        EXPECT_EQ(random.Remaining(), 0u);
        EXPECT_NEAR(s.speed, c.finalSpeed, 1e-5) << static_cast<int>(c.kind);
        EXPECT_EQ(s.stopIndex, 2);
    }
}

TEST(StopEffect, StopVarSpeedKeepsChangingSpeedAfterItsStop) {
    GameState s = FlyingPitch({.stop = StopKind::StopVarSpeed}, 3.0f);
    ScriptedRandom random;
    PushRepeated(random, 0, 1000);
    RecordingCanvas canvas;
    // Up to and through the stop: no draws.
    while (s.stopTicks <= 10) FlightStep(s, canvas, random);
    EXPECT_EQ(random.Remaining(), 1000u);
    for (int frame = 1; frame <= 5; ++frame) {
        FlightStep(s, canvas, random);
        EXPECT_EQ(random.Remaining(), 1000u - 2 * frame);
    }
    EXPECT_EQ(s.speed, 5.0f);  // +1.0 a frame, capped
}

TEST(StopEffect, StopVarSpeed2ChangesOncePerStop) {
    GameState s = FlyingPitch({.stop = StopKind::StopVarSpeed2}, 3.0f);
    s.run.stopDuration = {10, 20};
    ScriptedRandom random{0, 0, 0, 1};
    const auto xs = Fly(s, random);
    EXPECT_EQ(StandStills(100.0f, xs), (std::vector{11, 21}));
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_NEAR(s.speed, 5.0f, 1e-5);
}

TEST(VerticalEffect, ZigzagTurnsPast90And110) {
    GameState s = FlyingPitch({.vertical = VerticalKind::Zigzag}, 2.0f);
    RecordingCanvas canvas;
    ScriptedRandom random;
    float low = 100.0f, high = 100.0f;
    while (s.x < 500.0f) {
        FlightStep(s, canvas, random);
        low = std::min(low, s.y);
        high = std::max(high, s.y);
    }
    EXPECT_FLOAT_EQ(low, 89.5f);
    EXPECT_FLOAT_EQ(high, 110.5f);
}

TEST(VerticalEffect, EveryVerticalPitchIsLevelPast500) {
    for (VerticalKind kind : {VerticalKind::Wave, VerticalKind::Zigzag, VerticalKind::Tornado}) {
        GameState s = FlyingPitch({.vertical = kind}, 3.3f);
        RecordingCanvas canvas;
        ScriptedRandom random;
        bool moved = false;
        while (s.x <= 500.0f) {
            FlightStep(s, canvas, random);
            moved = moved || s.y != 100.0f || s.tornadoPhase != 0;
        }
        EXPECT_TRUE(moved);
        FlightStep(s, canvas, random);
        EXPECT_EQ(s.y, 100.0f) << static_cast<int>(kind);
        EXPECT_EQ(s.waveDone, 1);
        while (s.phase == GamePhase::Flight) {
            FlightStep(s, canvas, random);
            ASSERT_EQ(s.y, 100.0f);
        }
    }
}

TEST(WarpEffect, ReturnWarp2ThrowsTheBallBackTwice) {
    GameState s = FlyingPitch({.warp = WarpKind::ReturnWarp2}, 3.0f);
    s.run.warpDistance = 149;
    ScriptedRandom random;
    const float start = s.x;
    const auto xs = Fly(s, random);
    std::vector<float> jumps;
    float last = start;
    for (float x : xs) {
        if (x < last) jumps.push_back(last + 3.0f - x);
        last = x;
    }
    ASSERT_EQ(jumps.size(), 2u);
    for (float jump : jumps) EXPECT_NEAR(jump, 149 * 1.8f, 1e-3);
    EXPECT_EQ(s.warpCount, 2);
}

TEST(SpeedEffect, SpeedDownNeverBelowOneAndAHalfOnItsOwn) {
    GameState s = FlyingPitch({.speed = SpeedKind::SpeedDown}, 7.5f);
    ScriptedRandom random;
    PushRepeated(random, 9, 500);  // the biggest slowdown every frame
    RecordingCanvas canvas;
    float slowest = s.speed;
    while (s.phase == GamePhase::Flight) {
        FlightStep(s, canvas, random);
        slowest = std::min(slowest, s.speed);
    }
    EXPECT_EQ(slowest, 1.5f);
    EXPECT_EQ(s.speedDone, 1);
}

}  // namespace
}  // namespace pelta
