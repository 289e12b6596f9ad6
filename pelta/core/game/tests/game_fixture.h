#pragma once
// A game wired to recording fakes, stepped frame by frame.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/audio/recording_wav_player.h"
#include "pelta/game/pelta_game.h"
#include "pelta/render/testing/recording_canvas.h"

namespace test_support {

class FakeTimer : public pelta::FrameTimer {
public:
    bool Start() override {
        ++starts;
        running = !fail;
        return !fail;
    }
    void Stop() override {
        ++stops;
        running = false;
    }
    bool fail = false;
    bool running = false;
    int starts = 0, stops = 0;
};

class FakeMusic : public pelta::BackgroundMusic {
public:
    void Start() override { calls.push_back("Start"); }
    void Stop() override { calls.push_back("Stop"); }
    void Resume() override { calls.push_back("Resume"); }
    void Tick() override { ++ticks; }
    bool IsEnabled() const override { return enabled; }
    void SetEnabled(bool on) override { enabled = on; }
    int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
    std::vector<std::string> calls;
    int ticks = 0;
    bool enabled = true;
};

class FakeHost : public pelta::GameHost {
public:
    void ShowStopMessage(std::string_view text) override { messages.emplace_back(text); }
    void OpenRankingPage() override { ++rankingPages; }
    void ShowHelp() override { ++helps; }
    std::vector<std::string> messages;
    int rankingPages = 0, helps = 0;
};

class ScriptedDialogs : public pelta::PeltaDialogs {
public:
    void ShowGameOver(const pelta::GameOverData& data) override {
        shown.push_back("GameOver");
        gameOver = data;
    }
    std::string ShowNameEntry(const pelta::NameEntryData& data) override {
        shown.push_back("NameEntry");
        nameEntry = data;
        return enteredName;
    }
    void ShowRanking(const pelta::RankingData& data) override {
        shown.push_back("Ranking");
        ranking = data;
    }
    std::optional<pelta::PracticeSetup> ShowPractice(const pelta::PracticeSetup& preset) override {
        shown.push_back("Practice");
        practicePreset = preset;
        return practiceAnswer;
    }
    std::vector<std::string> shown;
    pelta::GameOverData gameOver;
    pelta::NameEntryData nameEntry;
    pelta::RankingData ranking;
    pelta::PracticeSetup practicePreset;
    std::optional<pelta::PracticeSetup> practiceAnswer;
    std::string enteredName = "ﾀﾛｳ";
};

class GameTest : public ::testing::Test {
protected:
    pelta::RecordingCanvas canvas;
    audio::RecordingWavPlayer sound;
    FakeMusic music;
    FakeTimer timer;
    ScriptedDialogs dialogs;
    FakeHost host;
    pelta::LcgRandom random{12345};
    pelta::PeltaGame game{pelta::GameServices{canvas, sound, music, timer, dialogs, host, random}};
    pelta::GameState& s = game.state();

    // Runs frames until `done` holds; fails the test after `limit` frames.
    int RunUntil(const std::function<bool()>& done, int limit = 5000) {
        for (int frame = 1; frame <= limit; ++frame) {
            game.OnTimerTick();
            if (done()) return frame;
        }
        ADD_FAILURE() << "condition not reached in " << limit << " frames";
        return limit;
    }

    bool HasSound(audio::WavCall::Kind kind, const std::string& file) const {
        return std::find(sound.calls.begin(), sound.calls.end(), audio::WavCall{kind, file}) != sound.calls.end();
    }

    // Lets one pitch go by unswung.
    void WatchOnePitch() {
        game.OnKey();
        RunUntil([&] { return s.phase == pelta::GamePhase::Idle || s.phase == pelta::GamePhase::GameOver; });
    }
};

}  // namespace test_support
