// Measures the mini-golf game as the program runs it: the cost of one frame (phase step, erase,
// draw and flip, palette conversion and present) on the real window, then the process's CPU and
// the intervals between frames while the real main loop runs for a while. A scripted mouse keeps
// the game shooting round the course, so that the ball rolls and holes start.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "tools/command-line/command_line.h"
#include "common/midi/midi_file_player.h"
#include "minigolf/course/course_files.h"
#include "minigolf/flow/golf_game.h"
#include "minigolf/resources/resources.h"
#include "minigolf/shell/main_loop.h"
#include "minigolf/testing/memory_files.h"
#include "minigolf/testing/recording_effects.h"

namespace {

using namespace minigolf;
using Clock = std::chrono::steady_clock;

// Turns the aim a step every reading and clicks every 23rd, so shots of all powers go out.
class ShootingMouse final : public Mouse {
public:
    std::optional<MouseReading> Read() override {
        ++reads_;
        return MouseReading{6, static_cast<std::uint8_t>(reads_ % 23 == 0 ? 1 : 0)};
    }

private:
    long reads_ = 0;
};

// Passes pages on to the window and notes when each frame's flip happened.
class TimedPresenter final : public Presenter {
public:
    explicit TimedPresenter(SdlDisplay& display) : display_(display) {}
    void Present(const Page& front, const Palette& palette) override {
        flips.push_back(Clock::now());
        display_.Present(front, palette);
    }
    std::vector<Clock::time_point> flips;

private:
    SdlDisplay& display_;
};

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double Quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

test_support::MemoryFiles CourseFiles(const std::string& folder) {
    test_support::MemoryFiles files;
    for (const std::string_view name : kCourseFiles) {
        std::ifstream in(folder + "/" + std::string(name), std::ios::binary);
        if (in) files.files[std::string(name)].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

Uint32 PostQuit(Uint32, void*) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "[SECONDS] [COURSE FOLDER]\n"
        "Measures one frame of the mini-golf game, then runs its main loop for SECONDS (default 60)\n"
        "on the courses of COURSE FOLDER (default: the current folder) and reports CPU and frame intervals.\n",
        0, 2);
    const int seconds = args.size() > 0 ? std::max(1, std::atoi(args[0].c_str())) : 60;
    const std::string folder = args.size() > 1 ? args[1] : ".";
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    std::string error;
    auto display = SdlDisplay::Open(error);
    if (!display) {
        std::fprintf(stderr, "no window: %s\n", error.c_str());
        return 1;
    }
    test_support::MemoryFiles files = CourseFiles(folder);
    if (files.files.size() < 9) {
        std::fprintf(stderr, "the nine course files are not all in %s\n", folder.c_str());
        return 1;
    }
    TimedPresenter presenter(*display);
    test_support::RecordingEffects effects;
    ShootingMouse shooter;

    // One frame's cost, on a clock of our own so that every call runs a frame.
    {
        GolfGame game(GolfPlatform{presenter, effects, shooter, files, EMBEDDED_BYTES(mapdat)});
        game.Start();
        // Frames that change the screen, and all frames as the loop runs them.
        std::vector<double> costs, frames, shows, all;
        std::uint32_t now = 0;
        for (int i = 0; i < 3000 && !game.Failure(); ++i) {
            const auto t0 = Clock::now();
            game.RunFrame(now += 51);
            const auto t1 = Clock::now();
            const bool shown = display->ShowChanges();
            const auto t2 = Clock::now();
            all.push_back(std::chrono::duration<double, std::micro>(t2 - t0).count());
            if (!shown) continue;
            frames.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            shows.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
            costs.push_back(all.back());
        }
        SDL_RendererInfo renderer{};
        SDL_GetRendererInfo(display->Renderer(), &renderer);
        int width = 0, height = 0;
        SDL_GetRendererOutputSize(display->Renderer(), &width, &height);
        std::printf("one frame        : median %.0f us, 99th percentile %.0f us, max %.0f us over the %zu of %zu "
                    "frames that changed the screen (goal median <= 1000); median of all frames %.0f us\n",
                    Quantile(costs, 0.5), Quantile(costs, 0.99), Quantile(costs, 1.0), costs.size(), all.size(),
                    Quantile(all, 0.5));
        std::printf("  of which       : step, erase, draw, flip and conversion median %.0f us; scaled present "
                    "median %.0f us (%s renderer, %d x %d)\n",
                    Quantile(frames, 0.5), Quantile(shows, 0.5), renderer.name, width, height);
    }

    // The running loop, ended by the desktop's close after the given time.
    presenter.flips.clear();
    GolfGame game(GolfPlatform{presenter, effects, shooter, files, EMBEDDED_BYTES(mapdat)});
    game.Start();
    SdlMouse mouse;
    midi::SilentMidiFilePlayer silence;
    MusicLoop music(silence, kMusicFile);
    SDL_AddTimer(static_cast<Uint32>(seconds) * 1000, PostQuit, nullptr);
    const double cpu0 = CpuSeconds();
    const auto start = Clock::now();
    RunMainLoop({game, *display, mouse, music});
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = CpuSeconds() - cpu0;

    // A hole start flips three times in one frame; the first flip of each frame counts.
    std::vector<double> intervals;
    Clock::time_point last{};
    for (const auto& flip : presenter.flips) {
        if (last != Clock::time_point{}) {
            const double ms = std::chrono::duration<double, std::milli>(flip - last).count();
            if (ms < 10.0) continue;
            intervals.push_back(ms);
        }
        last = flip;
    }
    const double outside = static_cast<double>(std::count_if(intervals.begin(), intervals.end(),
                                                             [](double ms) { return ms < 49.0 || ms > 53.0; }));
    std::printf("frames           : %zu in %.1f s, hole %d reached\n", intervals.size() + 1, elapsed,
                game.State().hole);
    std::printf("frame interval   : median %.2f ms, 1st percentile %.2f, 99th percentile %.2f, max %.2f; "
                "%.2f %% outside 51 +- 2 ms\n",
                Quantile(intervals, 0.5), Quantile(intervals, 0.01), Quantile(intervals, 0.99),
                Quantile(intervals, 1.0), intervals.empty() ? 0.0 : 100.0 * outside / static_cast<double>(intervals.size()));
    std::printf("process CPU      : %.2f %% of one core (goal <= 5; video driver %s)\n", 100.0 * cpu / elapsed,
                SDL_GetCurrentVideoDriver());
    display.reset();
    SDL_Quit();
    return 0;
}
