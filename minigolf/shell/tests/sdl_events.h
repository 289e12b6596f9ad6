#pragma once
// Window events as SDL delivers them, built by hand for the tests.

#include <SDL.h>

namespace minigolf::events {

inline SDL_Event OfType(Uint32 type) {
    SDL_Event e{};
    e.type = type;
    return e;
}

inline SDL_Event Key(SDL_Keycode key) {
    SDL_Event e = OfType(SDL_KEYDOWN);
    e.key.keysym.sym = key;
    return e;
}

inline SDL_Event Window(Uint8 change) {
    SDL_Event e = OfType(SDL_WINDOWEVENT);
    e.window.event = change;
    return e;
}

inline SDL_Event Motion(int dx, int dy = 0) {
    SDL_Event e = OfType(SDL_MOUSEMOTION);
    e.motion.xrel = dx;
    e.motion.yrel = dy;
    return e;
}

inline SDL_Event Button(Uint32 type, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event e = OfType(type);
    e.button.button = button;
    return e;
}

}  // namespace minigolf::events
