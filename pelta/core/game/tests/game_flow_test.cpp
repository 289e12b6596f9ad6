// The frame loop and the one-button input, stepped frame by frame.
#include <algorithm>

#include "game_fixture.h"

namespace pelta {
namespace {

using test_support::FakeHost;
using test_support::FakeMusic;
using test_support::FakeTimer;
using test_support::GameTest;
using test_support::ScriptedDialogs;

using Flow = GameTest;

TEST_F(Flow, FirstKeyStartsAGameWithTwelveLivesAndMusic) {
    game.OnKey();
    EXPECT_EQ(s.phase, GamePhase::Windup);
    EXPECT_EQ(s.lives, kStartLives);
    EXPECT_EQ(music.calls, std::vector<std::string>{"Start"});
    EXPECT_EQ(sound.calls.front(), (audio::WavCall{audio::WavCall::Kind::StopAll, {}}));
}

TEST_F(Flow, WindupStepsThePitcherOnItsFrames) {
    game.OnKey();
    std::vector<int> changes;
    int frame = 0;
    while (s.phase == GamePhase::Windup) {
        const int before = s.pitcherFrame;
        game.OnTimerTick();
        ++frame;
        if (s.pitcherFrame != before) changes.push_back(frame);
    }
    EXPECT_EQ(changes, (std::vector<int>{17, 33, 49, 65, 81, 97}));
    EXPECT_EQ(s.phase, GamePhase::Delivery);
    EXPECT_EQ(s.pitcherFrame, 6);
}

TEST_F(Flow, PitchSoundWhenTheBallLeavesTheHand) {
    game.OnKey();
    RunUntil([&] { return s.phase == GamePhase::Release; });
    EXPECT_TRUE(HasSound(audio::WavCall::Kind::Play, kPitchSound));
    EXPECT_EQ(s.pitcherFrame, 10);
    EXPECT_FLOAT_EQ(s.x, 100.0f);
}

TEST_F(Flow, KeysOutsideIdleAndFlightOnlyStopTheSound) {
    game.OnKey();
    for (GamePhase phase : {GamePhase::Windup, GamePhase::Delivery, GamePhase::Release, GamePhase::HitFlight,
                            GamePhase::PitchOver}) {
        SCOPED_TRACE(static_cast<int>(phase));
        if (phase == GamePhase::HitFlight || phase == GamePhase::PitchOver) {
            s.phase = phase;  // reached only through a hit or the end of a pitch
        } else {
            RunUntil([&] { return s.phase == phase; });
        }
        const GameState before = s;
        sound.calls.clear();
        game.OnKey();
        EXPECT_EQ(s.phase, before.phase);
        EXPECT_EQ(s.pitcherFrame, before.pitcherFrame);
        EXPECT_EQ(s.batterFrame, before.batterFrame);
        EXPECT_EQ(s.phaseTicks, before.phaseTicks);
        EXPECT_EQ(s.lives, before.lives);
        EXPECT_EQ(sound.calls, (std::vector<audio::WavCall>{{audio::WavCall::Kind::StopAll, {}}}));
        if (phase == GamePhase::HitFlight || phase == GamePhase::PitchOver) s.phase = GamePhase::Windup;
    }
}

TEST_F(Flow, ASecondKeyDuringASwingDoesNothing) {
    game.OnKey();
    RunUntil([&] { return s.phase == GamePhase::Flight; });
    game.OnKey();
    ASSERT_EQ(s.batterFrame, SpriteIndex::BatterSwingStart);
    const std::string caption = s.caption;
    EXPECT_FALSE(caption.empty());  // the pitch's name shows at the swing
    game.OnKey();
    EXPECT_EQ(s.batterFrame, SpriteIndex::BatterSwingStart);
    EXPECT_EQ(s.phaseTicks, 0);
}

TEST_F(Flow, SixWatchedPitchesEndTheGameOnTheFrameAfterPitchOver) {
    for (int pitch = 0; pitch < 5; ++pitch) {
        WatchOnePitch();
        ASSERT_EQ(s.phase, GamePhase::Idle);
        EXPECT_EQ(s.lives, kStartLives - 2 * (pitch + 1));
    }
    game.OnKey();
    RunUntil([&] { return s.phase == GamePhase::PitchOver; });
    EXPECT_EQ(s.lives, 0);
    game.OnTimerTick();
    EXPECT_EQ(s.phase, GamePhase::GameOver);
    EXPECT_EQ(s.resultCounts[static_cast<int>(PitchResult::Watched) - 1], 6);

    // Nothing moves until a key.
    const float x = s.x;
    for (int i = 0; i < 100; ++i) game.OnTimerTick();
    EXPECT_EQ(s.phase, GamePhase::GameOver);
    EXPECT_EQ(s.x, x);
}

TEST_F(Flow, ContinuousPracticeKeepsPitchingWithLivesFallingWithoutEnd) {
    dialogs.practiceAnswer = PracticeSetup{PitchSpec{}, true};
    game.OnCommand(Command::Practice);
    ASSERT_EQ(s.practiceMode, kContinuousPractice);
    game.OnKey();
    int pitches = 0;
    for (int frame = 0; frame < 20000 && pitches < 10; ++frame) {
        const GamePhase before = s.phase;
        game.OnTimerTick();
        if (before != GamePhase::PitchOver && s.phase == GamePhase::PitchOver) ++pitches;
        ASSERT_NE(s.phase, GamePhase::GameOver);
        ASSERT_NE(s.phase, GamePhase::Idle);  // the next pitch starts by itself
    }
    EXPECT_EQ(pitches, 10);
    EXPECT_LT(s.lives, -15);
    EXPECT_FALSE(HasSound(audio::WavCall::Kind::PlayLooped, kApplauseSound));
}

TEST_F(Flow, FocusLossFreezesAndFocusGainContinuesTheSameFrames) {
    // The same seed with and without a pause in mid-flight gives the same ball path.
    auto path = [&](bool pause) {
        RecordingCanvas c;
        audio::RecordingWavPlayer snd;
        FakeMusic m;
        FakeTimer t;
        ScriptedDialogs d;
        FakeHost h;
        LcgRandom r{777};
        PeltaGame g{GameServices{c, snd, m, t, d, h, r}};
        g.OnKey();
        std::vector<float> xs;
        for (int frame = 0; frame < 400; ++frame) {
            if (pause && frame == 200) {
                g.OnKillFocus();
                EXPECT_FALSE(t.running);
                EXPECT_EQ(m.calls.back(), "Stop");
                g.OnSetFocus();
                EXPECT_TRUE(t.running);
                EXPECT_EQ(m.calls.back(), "Resume");
            }
            g.OnTimerTick();
            xs.push_back(g.state().x);
        }
        return xs;
    };
    EXPECT_EQ(path(false), path(true));
}

TEST_F(Flow, FocusGainAtThePromptDoesNotResumeTheMusic) {
    game.OnSetFocus();
    EXPECT_TRUE(timer.running);
    EXPECT_TRUE(music.calls.empty());
}

TEST_F(Flow, TimerFailureShowsItsMessage) {
    timer.fail = true;
    EXPECT_FALSE(game.StartTimer());
    EXPECT_EQ(host.messages, std::vector<std::string>{"ﾀｲﾏｰｾｯﾄに失敗しました。"});
}

TEST_F(Flow, MusicTicksFirstInEveryFrame) {
    for (int i = 0; i < 25; ++i) game.OnTimerTick();
    EXPECT_EQ(music.ticks, 25);
}

TEST_F(Flow, WaveOffSilencesEveryEffect) {
    game.OnCommand(Command::WaveOff);
    sound.calls.clear();
    WatchOnePitch();
    EXPECT_TRUE(sound.calls.empty());
}

}  // namespace
}  // namespace pelta
