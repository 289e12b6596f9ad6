#pragma once
// The program's loop: window events between frames, one game frame every 51 ms, and nothing
// in between, so the game sleeps instead of spinning.

#include <string>

#include "minigolf/flow/golf_game.h"
#include "minigolf/shell/music_loop.h"
#include "minigolf/shell/sdl_display.h"
#include "minigolf/shell/sdl_mouse.h"

union SDL_Event;

namespace minigolf {

// What a window event asks of the loop.
enum class LoopAction {
    kNone,
    kQuit,     // Escape, or the desktop closing the window
    kPause,    // the window went to the background
    kResume,   // and came back
    kReshow,   // the window's picture was damaged
    kRefit,    // the window changed size
    kRebuild,  // the renderer lost its textures
};

LoopAction ActionOf(const SDL_Event& event);

struct LoopParts {
    GolfGame& game;
    SdlDisplay& display;
    SdlMouse& mouse;
    MusicLoop& music;
};

// Runs until Escape, the window's closing, a shutdown signal or a game failure; stops the music
// on the way out. Returns the game's failure message, or nothing for an ordinary end.
std::optional<std::string> RunMainLoop(const LoopParts& parts);

}  // namespace minigolf
