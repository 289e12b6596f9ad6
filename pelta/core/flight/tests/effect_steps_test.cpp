#include "pelta/flight/effect_steps.h"

#include <gtest/gtest.h>

#include "pelta/flight/flight_step.h"
#include "flight_fixture.h"

namespace pelta {
namespace {

TEST(ChangeSpeed, RandomChangeKeptBetweenTwoAndFive) {
    struct Case {
        float speed;
        int r20, r4;
        float expected;
    };
    const Case cases[] = {
        {3.0f, 0, 0, 4.0f},   // +1.0
        {2.5f, 15, 3, 5.0f},  // a slow ball always speeds up: +2.5 -> 5.0
        {4.0f, 0, 1, 5.0f},   // exactly 4 is not "faster than 4": +1.0
        {4.1f, 0, 3, 3.1f},   // faster than 4 and q != 0: -1.0
        {4.5f, 5, 0, 5.0f},   // q = 0 keeps the increase: 6.0 capped
        {4.5f, 19, 2, 2.0f},  // -2.9 floored
    };
    for (const Case& c : cases) {
        GameState s;
        s.speed = c.speed;
        ScriptedRandom random{c.r20, c.r4};
        ChangeSpeed(s, random);
        EXPECT_NEAR(s.speed, c.expected, 1e-5) << c.speed << " " << c.r20 << " " << c.r4;
        EXPECT_EQ(random.Remaining(), 0u);
    }
}

TEST(SmallEffect, SmallBallStrictlyBetween100And500) {
    struct Case {
        float x;
        std::uint8_t smallDone;
        std::uint8_t spriteBefore, spriteAfter, doneAfter;
    };
    const Case cases[] = {
        {100.0f, 0, 21, 21, 0}, {100.5f, 0, 21, 70, 0}, {499.9f, 0, 21, 70, 0},
        {500.0f, 0, 70, 70, 0}, {500.1f, 0, 70, 21, 1}, {400.0f, 1, 21, 21, 1},
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.small = SmallKind::Small}, 3.0f, c.x);
        s.smallDone = c.smallDone;
        s.ballSprite = c.spriteBefore;
        SmallEffectStep(s);
        EXPECT_EQ(s.ballSprite, c.spriteAfter) << c.x;
        EXPECT_EQ(s.smallDone, c.doneAfter) << c.x;
    }
}

TEST(CloneEffect, VanishHidesTheBallBetween200And350) {
    struct Case {
        float x;
        std::uint8_t spriteAfter, doneAfter;
    };
    const Case cases[] = {{200.0f, 21, 0}, {200.5f, 22, 0}, {349.9f, 22, 0}, {350.0f, 21, 0}, {350.5f, 21, 1}};
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.clone = CloneKind::Vanish}, 3.0f, c.x);
        RecordingCanvas canvas;
        CloneEffectStep(s, canvas);
        EXPECT_EQ(s.ballSprite, c.spriteAfter) << c.x;
        EXPECT_EQ(s.cloneDone, c.doneAfter) << c.x;
    }
}

TEST(CloneEffect, CloneImagesOnlyStrictlyBetween200And400) {
    struct Case {
        CloneKind kind;
        float x;
        std::uint8_t cloneDone;
        bool shifted;  // the ball was erased and shown at a clone place
        std::uint8_t doneAfter;
    };
    const Case cases[] = {
        {CloneKind::Clone, 200.0f, 0, false, 0},  {CloneKind::Clone, 200.5f, 0, true, 0},
        {CloneKind::Clone2, 399.5f, 0, true, 0},  {CloneKind::Clone, 400.0f, 0, false, 0},
        {CloneKind::Clone2, 400.5f, 0, false, 1}, {CloneKind::Clone, 300.0f, 1, false, 1},
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.clone = c.kind}, 3.0f, c.x);
        s.cloneDone = c.cloneDone;
        RecordingCanvas canvas;
        CloneEffectStep(s, canvas);
        EXPECT_EQ(!canvas.Ops().empty(), c.shifted) << c.x;
        EXPECT_EQ(s.clonePhase, c.shifted ? 1 : 0) << c.x;
        EXPECT_EQ(s.cloneDone, c.doneAfter) << c.x;
    }
}

TEST(VerticalEffect, WaveBendsBackTowardsTheLine) {
    struct Case {
        float x, y, verticalSpeed;
        std::uint8_t waveDone;
        float yAfter, speedAfter;
        std::uint8_t doneAfter;
    };
    const Case cases[] = {
        {200.0f, 100.0f, 1.5f, 0, 101.5f, 1.4f, 0},   // below the line: pulled back up
        {200.0f, 98.5f, 1.5f, 0, 100.0f, 1.6f, 0},    // exactly on the line counts as above it
        {200.0f, 99.0f, -0.5f, 0, 98.5f, -0.4f, 0},
        {500.0f, 104.0f, 1.0f, 0, 104.0f, 1.0f, 0},   // neither before nor past 500
        {500.5f, 104.0f, 1.0f, 0, 100.0f, 1.0f, 1},   // past 500: level again
        {300.0f, 100.0f, 1.5f, 1, 100.0f, 1.5f, 1},   // finished
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.vertical = VerticalKind::Wave}, 3.0f, c.x);
        s.y = c.y;
        s.verticalSpeed = c.verticalSpeed;
        s.waveDone = c.waveDone;
        RecordingCanvas canvas;
        VerticalEffectStep(s, canvas);
        EXPECT_FLOAT_EQ(s.y, c.yAfter) << c.x << " " << c.y;
        EXPECT_FLOAT_EQ(s.verticalSpeed, c.speedAfter) << c.x << " " << c.y;
        EXPECT_EQ(s.waveDone, c.doneAfter) << c.x << " " << c.y;
    }
}

// The clone and tornado images: each frame the ball drawn at its true place is erased and
// drawn once more at the frame's shifted place; the true position stays.
std::vector<std::pair<int, int>> ShiftedImages(PitchSpec pitch, float x, int frames) {
    GameState s = FlyingPitch(pitch, 0.0f, x);
    RecordingCanvas canvas;
    ScriptedRandom random;
    std::vector<std::pair<int, int>> places;
    for (int i = 0; i < frames; ++i) {
        canvas.Clear();
        FlightStep(s, canvas, random);
        const auto balls = canvas.BlitsOf(SpriteIndex::Ball);
        EXPECT_EQ(balls.size(), 2u);
        places.emplace_back(balls.back().x, balls.back().y);
        EXPECT_EQ(s.x, x);
    }
    return places;
}

TEST(CloneEffect, ShowsTheBallAtEachClonePlaceInTurn) {
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(ShiftedImages({.clone = CloneKind::Clone}, 300.0f, 4), (P{{280, 100}, {300, 100}, {320, 100}, {280, 100}}));
    EXPECT_EQ(ShiftedImages({.clone = CloneKind::Clone2}, 300.0f, 5),
              (P{{260, 100}, {320, 100}, {300, 100}, {280, 100}, {340, 100}}));
}

TEST(VerticalEffect, TornadoCirclesClockwiseAroundTheTruePath) {
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(ShiftedImages({.vertical = VerticalKind::Tornado}, 300.0f, 9),
              (P{{300, 90}, {306, 94}, {310, 100}, {306, 106}, {300, 110}, {294, 106}, {290, 100}, {294, 94},
                 {300, 90}}));
}

TEST(WarpEffect, JumpsAndAdjustsSpeedByTheSpeedEffect) {
    struct Case {
        SpeedKind speedKind;
        WarpKind warp;
        float x, speed;
        float expectedX, expectedSpeed;
        std::uint8_t warpCount;
    };
    // Warp point 200, distance 120; return warps trigger past 420 and jump back 216.
    const Case cases[] = {
        {SpeedKind::None, WarpKind::Warp, 200.0f, 3.0f, 200.0f, 3.0f, 0},
        {SpeedKind::None, WarpKind::Warp, 201.0f, 3.0f, 321.0f, 3.0f, 2},
        {SpeedKind::SpeedDown, WarpKind::Warp, 201.0f, 1.5f, 321.0f, 0.75f, 2},
        {SpeedKind::SpeedDown2, WarpKind::Warp, 201.0f, 6.0f, 321.0f, 3.0f, 2},
        {SpeedKind::None, WarpKind::ReturnWarp, 420.0f, 3.0f, 420.0f, 3.0f, 0},
        {SpeedKind::SpeedUp, WarpKind::ReturnWarp, 421.0f, 4.0f, 205.0f, 3.0f, 2},
        {SpeedKind::SpeedDown2, WarpKind::ReturnWarp, 421.0f, 4.0f, 205.0f, 5.0f, 2},
        {SpeedKind::HighSpeed, WarpKind::ReturnWarp2, 421.0f, 4.0f, 205.0f, 4.0f, 1},
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.speed = c.speedKind, .warp = c.warp}, c.speed, c.x);
        WarpEffectStep(s);
        EXPECT_NEAR(s.x, c.expectedX, 1e-3) << static_cast<int>(c.warp) << " at " << c.x;
        EXPECT_NEAR(s.speed, c.expectedSpeed, 1e-5);
        EXPECT_EQ(s.warpCount, c.warpCount);
    }
}

TEST(SpeedEffect, ChangesOnlyStrictlyInsideItsStretch) {
    struct Case {
        SpeedKind kind;
        float x, speed;
        std::vector<int> draws;
        float expectedSpeed;
        std::uint8_t speedDone;
    };
    const Case cases[] = {
        {SpeedKind::SpeedUp, 110.0f, 2.0f, {}, 2.0f, 0},
        {SpeedKind::SpeedUp, 110.5f, 2.0f, {14}, 2.14f, 0},
        {SpeedKind::SpeedUp, 330.0f, 2.0f, {}, 2.0f, 0},
        {SpeedKind::SpeedUp, 330.5f, 2.0f, {}, 2.0f, 1},
        {SpeedKind::SpeedUp2, 300.5f, 2.0f, {29}, 2.14f, 0},
        {SpeedKind::SpeedUp2, 500.5f, 2.0f, {}, 2.0f, 1},
        {SpeedKind::SpeedDown, 150.5f, 7.5f, {9}, 7.33f, 0},
        {SpeedKind::SpeedDown, 200.0f, 1.6f, {9}, 1.5f, 0},  // never slower than 1.5
        {SpeedKind::SpeedDown, 330.5f, 7.5f, {}, 7.5f, 1},
        {SpeedKind::SpeedDown2, 449.0f, 1.55f, {6}, 1.5f, 0},
        {SpeedKind::SpeedDown2, 450.5f, 3.0f, {}, 3.0f, 1},
        {SpeedKind::RandomSpeed, 100.0f, 3.0f, {}, 3.0f, 0},
        {SpeedKind::RandomSpeed, 100.5f, 3.0f, {49}, 5.9f, 0},
        {SpeedKind::RandomSpeed, 349.5f, 3.0f, {0}, 1.0f, 0},
        {SpeedKind::HighSpeed, 200.0f, 6.0f, {}, 6.0f, 0},
    };
    for (const Case& c : cases) {
        GameState s = FlyingPitch({.speed = c.kind}, c.speed, c.x);
        ScriptedRandom random;
        for (int v : c.draws) random.Push(v);
        SpeedEffectStep(s, random);
        EXPECT_NEAR(s.speed, c.expectedSpeed, 1e-5) << static_cast<int>(c.kind) << " at " << c.x;
        EXPECT_EQ(s.speedDone, c.speedDone) << static_cast<int>(c.kind) << " at " << c.x;
        EXPECT_EQ(random.Remaining(), 0u);
    }
}

}  // namespace
}  // namespace pelta
