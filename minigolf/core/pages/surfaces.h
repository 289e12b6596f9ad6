#pragma once
// The game's drawing surfaces: the sprite sheet, the course background and the two display
// pages that take turns in front.

#include <array>

#include "minigolf/pages/page.h"
#include "minigolf/pages/palette.h"
#include "minigolf/pages/presenter.h"

namespace minigolf {

class Surfaces {
public:
    explicit Surfaces(Presenter& presenter) : presenter_(&presenter) {}

    Page sheet;
    Page background;
    Palette palette = kPalette332;

    Page& Back() { return pages_[1 - front_]; }
    const Page& Front() const { return pages_[front_]; }

    // Brings the back page to the front and shows it; the old front page becomes the page to
    // draw next, still holding the picture of two frames ago.
    void FlipPages();

private:
    std::array<Page, 2> pages_;
    int front_ = 0;
    Presenter* presenter_;
};

// Copies the whole background to the back page and flips, twice, so that both pages show it.
void ShowBackground(Surfaces& surfaces);

}  // namespace minigolf
