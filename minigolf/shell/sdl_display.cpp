#include "minigolf/shell/sdl_display.h"

#include <SDL.h>

#include "minigolf/shell/page_pixels.h"

namespace minigolf {

bool UseIntegerScale(int outputWidth, int outputHeight) {
    return outputWidth >= 2 * kScreenWidth && outputHeight >= 2 * kScreenHeight;
}

std::unique_ptr<SdlDisplay> SdlDisplay::Open(std::string& error) {
    std::unique_ptr<SdlDisplay> display(new SdlDisplay);
    // The desktop's own mode: the picture is scaled instead of switching the real display. The
    // window is also made as large as the desktop, so that it covers the screen even where no
    // window manager carries out the full-screen request.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) desktop = SDL_DisplayMode{0, kScreenWidth, kScreenHeight, 0, nullptr};
    display->window_ = SDL_CreateWindow(kWindowTitle, 0, 0, desktop.w, desktop.h, SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (display->window_) display->renderer_ = SDL_CreateRenderer(display->window_, -1, 0);
    if (!display->renderer_ || !display->RebuildTexture() ||
        SDL_RenderSetLogicalSize(display->renderer_, kScreenWidth, kScreenHeight) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    display->FitToWindow();
    return display;
}

SdlDisplay::~SdlDisplay() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

bool SdlDisplay::RebuildTexture() {
    if (texture_) SDL_DestroyTexture(texture_);
    textureValid_ = false;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                 kScreenHeight);
    return texture_ != nullptr;
}

void SdlDisplay::FitToWindow() {
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return;
    SDL_RenderSetIntegerScale(renderer_, UseIntegerScale(width, height) ? SDL_TRUE : SDL_FALSE);
}

void SdlDisplay::Present(const Page& front, const Palette& palette) {
    if (!texture_ || (textureValid_ && front == shownPage_ && palette == shownPalette_)) return;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;
    ConvertPage(front, ScreenColoursOf(palette), pixels, pitch);
    SDL_UnlockTexture(texture_);
    shownPage_ = front;
    shownPalette_ = palette;
    textureValid_ = true;
    textureShown_ = false;
}

void SdlDisplay::Show() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    textureShown_ = true;
}

bool SdlDisplay::ShowChanges() {
    if (textureShown_) return false;
    Show();
    return true;
}

}  // namespace minigolf
