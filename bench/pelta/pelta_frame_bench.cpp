// Measures the batting game's frame loop as it runs in the program: a 10 ms precise QTimer on
// the GUI thread, the field image, the sound effects and the live music. The game plays
// continuous practice with a busy pitch so that every frame does real work.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

#include "tools/command-line/command_line.h"
#include "pelta/app/qt_frame_timer.h"
#include "pelta/game/pelta_game.h"
#include "pelta/music/bgm_player.h"
#include "common/sdl_audio/open_wav_player.h"
#include "common/synth/midi_out_factory.h"
#include "pelta/view/field_image.h"

namespace {

using namespace pelta;

struct NoDialogs : PeltaDialogs {
    void ShowGameOver(const GameOverData&) override {}
    std::string ShowNameEntry(const NameEntryData& d) override { return d.name; }
    void ShowRanking(const RankingData&) override {}
    std::optional<PracticeSetup> ShowPractice(const PracticeSetup&) override {
        PitchSpec busy{SpeedKind::RandomSpeed, SmallKind::Small, CloneKind::Clone2, StopKind::StopVarSpeed2,
                       WarpKind::ReturnWarp2, VerticalKind::Tornado};
        return PracticeSetup{busy, true};
    }
};

struct NoHost : GameHost {
    void ShowStopMessage(std::string_view) override {}
    void OpenRankingPage() override {}
    void ShowHelp() override {}
};

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "[SECONDS]\nPlays practice for SECONDS (default 60) on the real 10 ms timer and reports tick\n"
        "delivery, the cost of one frame and the CPU share.",
        0, 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = args.empty() ? 60 : std::atoi(args[0].c_str());

    FieldImage field;
    LcgRandom random(1);
    auto sound = audio::OpenWavPlayer(audio::Voices::One);
    auto midiOut = midi::MakeMidiOut();
    CBgmPlayer music(*midiOut, random);
    NoDialogs dialogs;
    NoHost host;

    std::vector<double> costs;
    costs.reserve(static_cast<std::size_t>(seconds) * 110);
    PeltaGame* game = nullptr;
    QtFrameTimer timer([&] {
        const auto t0 = std::chrono::steady_clock::now();
        game->OnTimerTick();
        costs.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    });
    PeltaGame play(GameServices{field, *sound, music, timer, dialogs, host, random});
    game = &play;

    music.Open(-1);
    play.Redraw();
    play.OnCommand(Command::Practice);  // starts the timer and the music
    play.OnKey();

    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    QApplication::exec();
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double cpu = CpuSeconds() - cpu0;
    play.StopTimer();
    music.Close();

    std::vector<double> sorted = costs;
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double q) { return sorted.empty() ? 0.0 : sorted[static_cast<std::size_t>(q * (sorted.size() - 1))]; };
    std::printf("frames delivered : %zu in %.2f s = %.2f per second (goal >= 99.5)\n", costs.size(), elapsed,
                costs.size() / elapsed);
    std::printf("frame handler    : median %.2f us, 99th percentile %.2f us, max %.2f us (goal median <= 20)\n",
                at(0.5), at(0.99), at(1.0));
    std::printf("process CPU      : %.2f %% of one core, music and sound included (goal <= 3)\n",
                100.0 * cpu / elapsed);
    return 0;
}
