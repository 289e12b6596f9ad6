#include "minigolf/shell/main_loop.h"

#include <SDL.h>

#include "minigolf/shell/frame_wait.h"
#include "minigolf/shell/shutdown_signals.h"

namespace minigolf {

LoopAction ActionOf(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: return LoopAction::kQuit;
        case SDL_KEYDOWN: return event.key.keysym.sym == SDLK_ESCAPE ? LoopAction::kQuit : LoopAction::kNone;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET: return LoopAction::kRebuild;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_FOCUS_LOST: return LoopAction::kPause;
                case SDL_WINDOWEVENT_FOCUS_GAINED: return LoopAction::kResume;
                case SDL_WINDOWEVENT_EXPOSED: return LoopAction::kReshow;
                case SDL_WINDOWEVENT_SIZE_CHANGED: return LoopAction::kRefit;
                default: return LoopAction::kNone;
            }
        default: return LoopAction::kNone;
    }
}

std::optional<std::string> RunMainLoop(const LoopParts& parts) {
    // In the background the game pauses, as a player who switches away expects: frames stop
    // and the pointer is given back; the music plays on.
    bool paused = false;
    bool quit = false;
    while (!quit && !ShutdownRequested()) {
        const std::uint32_t wait =
            paused ? kFrameGapMs + 1 : MsUntilFrameDue(SDL_GetTicks(), parts.game.State().lastFrameTime);
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, static_cast<int>(wait))) {
            do {
                parts.mouse.OnEvent(event);
                switch (ActionOf(event)) {
                    case LoopAction::kNone: break;
                    case LoopAction::kQuit: quit = true; break;
                    case LoopAction::kPause:
                        paused = true;
                        CaptureMouse(false);
                        break;
                    case LoopAction::kResume:
                        paused = false;
                        CaptureMouse(true);
                        break;
                    case LoopAction::kReshow: parts.display.Show(); break;
                    case LoopAction::kRefit:
                        parts.display.FitToWindow();
                        parts.display.Show();
                        break;
                    case LoopAction::kRebuild:
                        // The pages live in memory and survive; only the screen's copy is drawn again.
                        if (parts.display.RebuildTexture()) parts.game.RestoreSurfaces();
                        parts.display.Show();
                        break;
                }
            } while (!quit && SDL_PollEvent(&event));
            continue;
        }
        parts.music.Poll();
        if (!paused && parts.game.RunFrame(SDL_GetTicks())) {
            parts.mouse.FrameDone();
            parts.display.ShowChanges();
        }
        if (parts.game.Failure()) {
            parts.music.Stop();
            return parts.game.Failure();
        }
    }
    parts.music.Stop();
    return std::nullopt;
}

}  // namespace minigolf
