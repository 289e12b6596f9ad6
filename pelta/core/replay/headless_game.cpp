#include "pelta/replay/headless_game.h"

#include <memory>

namespace pelta {
namespace {

class QuietCanvas final : public Canvas {
public:
    void Blit(int, int, int, int, int) override {}
    void FillRect(int, int, int, int, Rgb) override {}
    void Text(int, int, std::string_view, Rgb, Rgb) override {}
};

class CountingSound final : public audio::WavPlayer {
public:
    bool Load(const std::string&, std::span<const std::uint8_t>) override { return true; }
    void Play(const std::string& file) override { ++plays[file]; }
    void PlayLooped(const std::string& file) override { ++plays[file + " (looped)"]; }
    void PlayAndWait(const std::string& file) override { ++plays[file]; }
    void StopAll() override {}
    std::map<std::string, int> plays;
};

class QuietMusic final : public BackgroundMusic {
public:
    void Start() override {}
    void Stop() override {}
    void Resume() override {}
    void Tick() override {}
    bool IsEnabled() const override { return enabled_; }
    void SetEnabled(bool on) override { enabled_ = on; }

private:
    bool enabled_ = false;
};

class SwitchTimer final : public FrameTimer {
public:
    bool Start() override { return running = true; }
    void Stop() override { running = false; }
    bool running = false;
};

std::string Counts(const std::array<std::int32_t, kResultKinds>& counts) {
    std::string text;
    for (std::int32_t c : counts) text += (text.empty() ? "" : " ") + std::to_string(c);
    return text;
}

}  // namespace

class HeadlessGame::Services final : public PeltaDialogs, public GameHost {
public:
    Services(std::uint32_t seed, std::string name, std::ostringstream& log)
        : random(seed), name_(std::move(name)), log_(log) {}

    void ShowGameOver(const GameOverData& d) override {
        log_ << "  game over: level " << d.level << ", score " << d.score << ", max combo " << d.maxCombo
             << ", key " << d.key << ", results " << Counts(d.counts) << '\n';
    }
    std::string ShowNameEntry(const NameEntryData& d) override {
        log_ << "  name entry: " << d.headline << " (offered " << d.name << ")\n";
        return name_;
    }
    void ShowRanking(const RankingData& d) override { log_ << "  ranking, level " << d.level << " first\n"; }
    std::optional<PracticeSetup> ShowPractice(const PracticeSetup&) override {
        log_ << "  practice dialog, cancelled\n";
        return std::nullopt;
    }
    void ShowStopMessage(std::string_view text) override { log_ << "  message: " << text << '\n'; }
    void OpenRankingPage() override { log_ << "  ranking page\n"; }
    void ShowHelp() override { log_ << "  help\n"; }

    QuietCanvas canvas;
    CountingSound sound;
    QuietMusic music;
    SwitchTimer timer;
    LcgRandom random;

private:
    std::string name_;
    std::ostringstream& log_;
};

HeadlessGame::HeadlessGame(std::uint32_t seed, std::string enteredName)
    : services_(std::make_unique<Services>(seed, std::move(enteredName), log_)),
      game_(GameServices{services_->canvas, services_->sound, services_->music, services_->timer, *services_,
                         *services_, services_->random}) {
    game_.StartTimer();
}

HeadlessGame::~HeadlessGame() = default;

void HeadlessGame::Apply(const InputEvent& event) {
    if (event.kind == InputEvent::Kind::Key) {
        log_ << frame_ << " key\n";
        game_.OnKey();
    } else {
        log_ << frame_ << " command " << static_cast<int>(event.command) << '\n';
        game_.OnCommand(event.command);
    }
}

void HeadlessGame::Tick() {
    if (services_->timer.running) game_.OnTimerTick();
    const GameState& s = game_.state();
    // A pitch has ended when the game is back at the prompt or over.
    if (s.phase != lastPhase_ && (s.phase == GamePhase::Idle || s.phase == GamePhase::GameOver) &&
        lastPhase_ != GamePhase::Idle && lastPhase_ != GamePhase::GameOver) {
        log_ << frame_ << " pitch " << PitchName(s.pitch) << ": result " << static_cast<int>(s.result) << ", score "
             << s.score << ", lives " << s.lives << ", combo " << s.combo << '\n';
    }
    lastPhase_ = s.phase;
    ++frame_;
}

std::string HeadlessGame::Dump() const {
    const GameState& s = game_.state();
    std::ostringstream out;
    out << log_.str();
    out << "end at frame " << frame_ << ": phase " << static_cast<int>(s.phase) << ", level "
        << static_cast<int>(s.level) << ", score " << s.score << ", lives " << s.lives << ", max combo "
        << s.maxCombo << ", results " << Counts(s.resultCounts) << ", name " << s.playerName << '\n';
    for (const auto& [file, count] : services_->sound.plays) out << "sound " << file << " x" << count << '\n';
    for (int level = 0; level < kLevelCount; ++level) {
        const HighScoreLevelTable& table = s.highScores[static_cast<std::size_t>(level)];
        for (int i = 0; i < table.count; ++i) {
            const HighScoreEntry& e = table.entries[static_cast<std::size_t>(i)];
            out << "high score " << kLevelNames[static_cast<std::size_t>(level)] << " #" << i + 1 << ": rank "
                << int{e.rank} << ", " << e.name << ", score " << e.score << ", max combo " << e.maxCombo << ", key "
                << int{e.key} << ", results " << Counts(e.counts) << '\n';
        }
    }
    return out.str();
}

std::string Replay(const Recording& recording) {
    HeadlessGame game(recording.seed, recording.name);
    auto next = recording.events.begin();
    for (int frame = 0; frame < recording.frames; ++frame) {
        for (; next != recording.events.end() && next->frame == frame; ++next) game.Apply(*next);
        game.Tick();
    }
    return game.Dump();
}

}  // namespace pelta
