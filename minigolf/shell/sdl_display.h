#pragma once
// The game's one window: full screen on the desktop, showing the front page scaled at 4:3.

#include <memory>
#include <string>

#include "minigolf/pages/page.h"
#include "minigolf/pages/palette.h"
#include "minigolf/pages/presenter.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace minigolf {

inline constexpr const char* kWindowTitle = "DirectX Zell Hockey";

// Whether the 640 × 480 picture is scaled by whole numbers on an output of this size. A whole
// factor keeps every pixel square, but a factor of 1 would leave most of a larger screen empty,
// so below twice the picture's size the picture is stretched to fill the height instead.
bool UseIntegerScale(int outputWidth, int outputHeight);

class SdlDisplay final : public Presenter {
public:
    // Opens the window over the whole desktop without changing the display mode. Nothing, with
    // the reason in `error`, when the video system, the window or its renderer cannot be made.
    // The video subsystem must already be initialised.
    static std::unique_ptr<SdlDisplay> Open(std::string& error);
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    // Converts the page through the palette into the screen's texture, unless it is the picture
    // the texture holds already; ShowChanges puts it on screen.
    void Present(const Page& front, const Palette& palette) override;
    // Draws the texture scaled into the window and shows it.
    void Show();
    // Shows the texture only if a page presented since the last time changed it: many frames
    // (the stroke display, the banners, the ranking screen) change nothing on screen. Returns
    // whether it showed.
    bool ShowChanges();
    // Chooses the scaling again for the window's present size.
    void FitToWindow();
    // Makes the screen's texture anew after the renderer lost it; false when it cannot.
    bool RebuildTexture();

    SDL_Window* Window() const { return window_; }
    SDL_Renderer* Renderer() const { return renderer_; }

private:
    SdlDisplay() = default;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    // What the texture holds, and whether the window shows it yet.
    Page shownPage_;
    Palette shownPalette_{};
    bool textureValid_ = false;
    bool textureShown_ = false;
};

}  // namespace minigolf
