#include "minigolf/shell/sdl_mouse.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>
#include <limits>

namespace minigolf {

void SdlMouse::OnEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            if (focused_) dx_ += event.motion.xrel;
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (focused_ && event.button.button == SDL_BUTTON_LEFT) {
                down_ = true;
                pressUnread_ = true;
                framesUnread_ = 0;
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) down_ = false;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                focused_ = false;
                // The release may happen elsewhere and never reach the window.
                down_ = false;
                pressUnread_ = false;
                dx_ = 0;
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                focused_ = true;
            }
            break;
        default:
            break;
    }
}

std::optional<MouseReading> SdlMouse::Read() {
    if (!focused_) return std::nullopt;
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const MouseReading reading{static_cast<std::int32_t>(std::clamp(dx_, kMin, kMax)),
                               static_cast<std::uint8_t>(down_ || pressUnread_ ? 1 : 0)};
    dx_ = 0;
    pressUnread_ = false;
    return reading;
}

void SdlMouse::FrameDone() {
    constexpr int kClickFrames = 3;
    if (pressUnread_ && ++framesUnread_ >= kClickFrames) pressUnread_ = false;
}

bool TakePointer() {
    if (SDL_ShowCursor(SDL_DISABLE) < 0) return false;
    CaptureMouse(true);
    return true;
}

void CaptureMouse(bool capture) {
    static bool noted = false;
    if (SDL_SetRelativeMouseMode(capture ? SDL_TRUE : SDL_FALSE) != 0 && capture && !noted) {
        noted = true;
        std::cerr << "mouse: no relative motion here (" << SDL_GetError() << "); using the pointer's motion\n";
    }
}

}  // namespace minigolf
