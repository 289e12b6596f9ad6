#pragma once
// A logout, Ctrl+C in a terminal or a kill ends the game as Escape does.

namespace minigolf {

// Catches SIGTERM, SIGINT and SIGHUP from now on (SDL's own handlers must be off:
// SDL_HINT_NO_SIGNAL_HANDLERS before SDL_Init).
void CatchShutdownSignals();

// Whether one of them has arrived. The main loop wakes at least once a frame to look.
bool ShutdownRequested();

}  // namespace minigolf
