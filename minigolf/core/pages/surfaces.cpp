#include "minigolf/pages/surfaces.h"

#include "minigolf/pages/blit.h"

namespace minigolf {

void Surfaces::FlipPages() {
    front_ = 1 - front_;
    presenter_->Present(Front(), palette);
}

void ShowBackground(Surfaces& surfaces) {
    constexpr Rect kWhole{0, 0, kScreenWidth, kScreenHeight};
    for (int page = 0; page < 2; ++page) {
        BlitClipped(surfaces.background, surfaces.Back(), kWhole, kWhole, false);
        surfaces.FlipPages();
    }
}

}  // namespace minigolf
