#include "minigolf/shell/main_loop.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <csignal>
#include <cstdlib>

#include "common/midi/recording_midi_file_player.h"
#include "minigolf/shell/shutdown_signals.h"
#include "minigolf/testing/bitmap_bytes.h"
#include "minigolf/testing/memory_files.h"
#include "minigolf/testing/recording_effects.h"
#include "sdl_events.h"

namespace minigolf {
namespace {

using events::Key;
using events::OfType;
using events::Window;

TEST(LoopAction, OfTheWindowsEvents) {
    const struct {
        SDL_Event event;
        LoopAction action;
    } cases[] = {
        {Key(SDLK_ESCAPE), LoopAction::kQuit},
        {OfType(SDL_QUIT), LoopAction::kQuit},
        {Key(SDLK_q), LoopAction::kNone},
        {Key(SDLK_SPACE), LoopAction::kNone},
        {OfType(SDL_KEYUP), LoopAction::kNone},
        {Window(SDL_WINDOWEVENT_FOCUS_LOST), LoopAction::kPause},
        {Window(SDL_WINDOWEVENT_FOCUS_GAINED), LoopAction::kResume},
        {Window(SDL_WINDOWEVENT_EXPOSED), LoopAction::kReshow},
        {Window(SDL_WINDOWEVENT_SIZE_CHANGED), LoopAction::kRefit},
        {OfType(SDL_RENDER_TARGETS_RESET), LoopAction::kRebuild},
        {OfType(SDL_RENDER_DEVICE_RESET), LoopAction::kRebuild},
        {OfType(SDL_MOUSEMOTION), LoopAction::kNone},
    };
    for (const auto& c : cases) EXPECT_EQ(ActionOf(c.event), c.action) << "event " << c.event.type;
}

// The game on a headless window, with a plain sheet and no files.
class Loop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        std::string error;
        display = SdlDisplay::Open(error);
        ASSERT_TRUE(display) << error;
        game = std::make_unique<GolfGame>(GolfPlatform{*display, effects, mouse, files, sheet});
        ASSERT_TRUE(game->Start());
        music.Start();
    }
    void TearDown() override {
        game.reset();
        display.reset();
        SDL_Quit();
    }

    std::optional<std::string> Run() { return RunMainLoop({*game, *display, mouse, music}); }

    std::vector<std::uint8_t> sheet =
        test_support::MakeBitmap(test_support::BitmapShape{kScreenWidth, kScreenHeight}, [](int x, int) { return x % 200 + 1; });
    test_support::RecordingEffects effects;
    test_support::MemoryFiles files;
    SdlMouse mouse;
    midi::RecordingMidiFilePlayer player;
    MusicLoop music{player, kMusicFile};
    std::unique_ptr<SdlDisplay> display;
    std::unique_ptr<GolfGame> game;
};

TEST_F(Loop, EscapeStopsTheMusicAndEnds) {
    SDL_Event escape = Key(SDLK_ESCAPE);
    ASSERT_EQ(SDL_PushEvent(&escape), 1);
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(player.stops, 1);
    EXPECT_FALSE(player.playing);
    EXPECT_TRUE(files.files.empty());  // nothing saved on the way out
}

TEST_F(Loop, TheDesktopClosingTheWindowEndsTheSameWay) {
    SDL_Event quit = OfType(SDL_QUIT);
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_EQ(player.stops, 1);
    EXPECT_TRUE(files.files.empty());
}

// Each signal in a child process of its own, since a caught signal stays caught.
class ShutdownSignal : public Loop, public ::testing::WithParamInterface<int> {};

TEST_P(ShutdownSignal, EndsTheLoopAsEscapeDoes) {
    EXPECT_EXIT(
        {
            CatchShutdownSignals();
            std::raise(GetParam());
            const bool ended = Run() == std::nullopt && player.stops == 1;
            std::exit(ended ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Signals, ShutdownSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
}  // namespace minigolf
