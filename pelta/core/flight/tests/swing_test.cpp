#include "pelta/flight/swing.h"

#include <gtest/gtest.h>

#include "pelta/flight/flight_step.h"
#include "pelta/flight/hit_flight.h"
#include "flight_fixture.h"

namespace pelta {
namespace {

audio::WavCall Played(const char* file) { return {audio::WavCall::Kind::Play, file}; }

// A ball standing at x with the swing just started; frames run until the contact frame.
struct SwingAt {
    explicit SwingAt(float x) : s(FlyingPitch({}, 0.0f, x)) { StartSwing(s, canvas); }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) SwingStep(s, canvas, sound);
    }
    GameState s;
    RecordingCanvas canvas;
    audio::RecordingWavPlayer sound;
};

TEST(StartSwing, OnlyFromTheReadyStanceInFlight) {
    GameState s = FlyingPitch({}, 3.0f);
    EXPECT_TRUE(SwingAccepted(s));
    for (GamePhase phase : {GamePhase::Release, GamePhase::HitFlight, GamePhase::Idle}) {
        s.phase = phase;
        EXPECT_FALSE(SwingAccepted(s));
    }
    s.phase = GamePhase::Flight;
    s.batterFrame = 16;
    EXPECT_FALSE(SwingAccepted(s));
}

TEST(StartSwing, ShowsTheSwingAndThePitchName) {
    GameState s = FlyingPitch({.stop = StopKind::Stop}, 3.0f);
    s.phaseTicks = 9;
    RecordingCanvas canvas;
    StartSwing(s, canvas);
    EXPECT_EQ(s.batterFrame, 15);
    EXPECT_EQ(s.phaseTicks, 0);
    EXPECT_EQ(s.caption, "ｽﾄｯﾌﾟpelta");
    EXPECT_EQ(canvas.Ops(), (std::vector{BlitOp(15, 550, 75, 70, 65),
                                         TextOp(5, 165, "ｽﾄｯﾌﾟpelta", kCaptionColour, kGroundColour)}));
}

TEST(SwingStep, ContactFrameJudgesTheHittingWindowEdges) {
    struct Case {
        float x;
        PitchResult result;
    };
    const Case cases[] = {
        {554.9f, PitchResult::SwingMiss}, {555.0f, PitchResult::WeakHit},        {557.5f, PitchResult::WeakHit},
        {578.0f, PitchResult::PerfectHomeRun}, {580.9f, PitchResult::PerfectHomeRun}, {583.0f, PitchResult::HomeRun},
        {605.0f, PitchResult::WeakHit},   {605.1f, PitchResult::SwingMiss},      {100.0f, PitchResult::SwingMiss},
    };
    for (const Case& c : cases) {
        SwingAt swing(c.x);
        swing.Frames(3);
        EXPECT_EQ(swing.s.result, PitchResult::None) << "judged before the contact frame";
        swing.Frames(1);
        EXPECT_EQ(swing.s.batterFrame == 17 || swing.s.batterFrame == 32, true);
        EXPECT_EQ(swing.s.result, c.result) << "x " << c.x;
    }
}

TEST(SwingStep, ContactDistanceTruncatesX) {
    struct Case {
        float x;
        std::int32_t offset;  // 30 - distance
    };
    const Case cases[] = {{580.9f, 30}, {579.9f, 29}, {581.0f, 29}, {555.0f, 5}, {604.9f, 6}};
    for (const Case& c : cases) {
        SwingAt swing(c.x);
        swing.Frames(4);
        EXPECT_EQ(swing.s.contactOffset, c.offset) << "x " << c.x;
        EXPECT_EQ(swing.s.speed, static_cast<float>(c.offset - 8)) << "x " << c.x;
    }
}

TEST(SwingStep, PerfectHomeRunWithCombo) {
    SwingAt swing(580.9f);
    swing.s.combo = 4;
    swing.canvas.Clear();
    swing.Frames(4);
    const GameState& s = swing.s;
    EXPECT_EQ(s.phase, GamePhase::HitFlight);
    EXPECT_EQ(s.result, PitchResult::PerfectHomeRun);
    EXPECT_EQ(s.combo, 5);
    EXPECT_EQ(s.points, 170);
    EXPECT_EQ(s.pointsStep, 8);
    EXPECT_EQ(s.pointsPending, 170);
    EXPECT_EQ(s.contactOffset, 30);
    EXPECT_EQ(s.speed, 22.0f);
    EXPECT_EQ(s.resultShown, 1);
    EXPECT_EQ(s.resultCounts, (std::array<std::int32_t, 7>{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.lives, 12);
    EXPECT_EQ(swing.canvas.Ops(), (std::vector{BlitOp(30, 10, 75, 114, 65), BlitOp(32, 550, 75, 70, 65)}));
    EXPECT_EQ(swing.sound.calls, std::vector<audio::WavCall>{Played("hit.wav")});
}

TEST(SwingStep, LivesAndCountsByOutcome) {
    struct Case {
        float x;
        std::int32_t lives, combo, points;
        int countIndex;
        const char* sound;
    };
    const Case cases[] = {
        {300.0f, 10, 0, 0, 5, "kara.wav"},  // swing and miss
        {600.0f, 11, 0, 40, 4, "hit.wav"},  // weak hit: costs 1 life, still scores
        {566.0f, 12, 0, 64, 3, "hit.wav"},  // hit ends the combo
        {570.0f, 12, 3, 80 + 4 * 3, 2, "hit.wav"},
    };
    for (const Case& c : cases) {
        SwingAt swing(c.x);
        swing.s.combo = 2;
        swing.Frames(4);
        EXPECT_EQ(swing.s.lives, c.lives) << "x " << c.x;
        EXPECT_EQ(swing.s.combo, c.combo) << "x " << c.x;
        EXPECT_EQ(swing.s.points, c.points) << "x " << c.x;
        std::array<std::int32_t, 7> counts{};
        counts[c.countIndex] = 1;
        EXPECT_EQ(swing.s.resultCounts, counts) << "x " << c.x;
        EXPECT_EQ(swing.sound.calls, std::vector<audio::WavCall>{Played(c.sound)});
        EXPECT_EQ(swing.s.resultShown, 1);
    }
}

TEST(SwingStep, SilentWhileSoundIsOff) {
    for (float x : {300.0f, 580.0f}) {
        SwingAt swing(x);
        swing.s.waveOn = 0;
        swing.Frames(4);
        EXPECT_NE(swing.s.result, PitchResult::None);
        EXPECT_TRUE(swing.sound.calls.empty());
    }
}

TEST(SwingStep, AnimationFramesByOutcome) {
    struct Case {
        float x;
        std::vector<int> frames;  // batterFrame after each frame
    };
    const Case cases[] = {
        {300.0f, {15, 16, 16, 17, 17, 18, 18, 18, 18, 18, 18, 29, 29}},                  // miss
        {600.0f, {15, 16, 16, 17, 17, 18, 18, 18, 18, 18, 18, 31, 31}},                  // weak hit
        {570.0f, {15, 16, 16, 17, 17, 18, 18, 18, 18, 18, 18, 19, 19}},                  // clean hit
        {585.0f, {15, 16, 16, 32, 32, 32, 32, 32, 32, 33, 33, 33, 33, 33, 33, 34, 34, 34, 34, 34, 34, 19, 19}},
    };
    for (const Case& c : cases) {
        SwingAt swing(c.x);
        std::vector<int> frames;
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            swing.Frames(1);
            frames.push_back(swing.s.batterFrame);
        }
        EXPECT_EQ(frames, c.frames) << "x " << c.x;
    }
}

// A swing after the ball has left the window misses, and the ball then passes the batter
// without a second penalty.
TEST(SwingStep, LateSwingCostsOnePenaltyOnly) {
    GameState s = FlyingPitch({}, 3.0f, 610.0f);
    RecordingCanvas canvas;
    audio::RecordingWavPlayer sound;
    ScriptedRandom random;
    StartSwing(s, canvas);
    for (int frame = 0; frame < 100 && s.phase == GamePhase::Flight; ++frame) {
        SwingStep(s, canvas, sound);
        FlightStep(s, canvas, random);
    }
    EXPECT_EQ(s.phase, GamePhase::PitchOver);
    EXPECT_EQ(s.result, PitchResult::SwingMiss);
    EXPECT_EQ(s.lives, 10);
    EXPECT_EQ(s.resultCounts, (std::array<std::int32_t, 7>{0, 0, 0, 0, 0, 1, 0}));
}

// The ball passing the batter before the contact frame is Watched; the swing then judges nothing.
TEST(SwingStep, BallPastTheBatterBeforeContactIsWatchedOnce) {
    GameState s = FlyingPitch({}, 3.0f, 699.0f);
    RecordingCanvas canvas;
    audio::RecordingWavPlayer sound;
    ScriptedRandom random;
    StartSwing(s, canvas);
    SwingStep(s, canvas, sound);
    FlightStep(s, canvas, random);
    EXPECT_EQ(s.result, PitchResult::Watched);
    for (int frame = 0; frame < 10; ++frame) SwingStep(s, canvas, sound);
    EXPECT_EQ(s.result, PitchResult::Watched);
    EXPECT_EQ(s.lives, 10);
    EXPECT_TRUE(sound.calls.empty());
}

TEST(HitFlightStep, CountsPointsIntoTheScoreThenLeavesTheField) {
    GameState s = FlyingPitch({}, 22.0f, 580.0f);
    s.phase = GamePhase::HitFlight;
    s.score = 1000;
    s.points = s.pointsPending = 170;
    s.pointsStep = 8;
    RecordingCanvas canvas;
    std::vector<int> added;
    int frames = 0;
    while (s.phase == GamePhase::HitFlight) {
        const int before = s.score;
        HitFlightStep(s, canvas);
        added.push_back(s.score - before);
        ++frames;
    }
    std::vector<int> expected(21, 8);
    expected.push_back(2);
    expected.resize(frames, 0);
    EXPECT_EQ(added, expected);
    EXPECT_EQ(s.score, 1170);
    EXPECT_EQ(s.pointsPending, 0);
    EXPECT_EQ(frames, 44);  // y 100 -> -32, the first value below -30
    EXPECT_EQ(s.phase, GamePhase::PitchOver);
    EXPECT_FLOAT_EQ(s.x, 580.0f - 44 * 22.0f);
}

TEST(HitFlightStep, RedrawsWhatTheRisingBallCrosses) {
    GameState s = FlyingPitch({}, 10.0f, 580.0f);
    s.phase = GamePhase::HitFlight;
    s.level = Level::Normal;
    s.batterFrame = 33;
    RecordingCanvas canvas;
    HitFlightStep(s, canvas);
    const auto& ops = canvas.Ops();
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops.front(), BlitOp(22, 580, 100, 6, 6));
    EXPECT_EQ(ops.back(), BlitOp(21, 570, 97, 6, 6));
    EXPECT_EQ(canvas.BlitsOf(25), std::vector{BlitOp(25, 20, 5, 48, 48)});
    EXPECT_EQ(canvas.BlitsOf(24).size(), 3u);
    EXPECT_EQ(canvas.BlitsOf(33), std::vector{BlitOp(33, 550, 75, 70, 65)});
    EXPECT_EQ(canvas.BlitsOf(73), std::vector{BlitOp(73, 375, 6, 83, 10)});
    EXPECT_EQ(canvas.BlitsOf(71).size(), 1u);
}

}  // namespace
}  // namespace pelta
