#include "minigolf/pages/blit.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace minigolf {
namespace {

Rect ClampToScreen(Rect r) {
    return Rect{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, kScreenWidth),
                std::min(r.bottom, kScreenHeight)};
}

// Off-screen rectangles are skipped; so are inverted ones, which the hardware refused.
bool Drawable(const Rect& r) {
    return r.left < kScreenWidth && r.top < kScreenHeight && r.right > 0 && r.bottom > 0 &&
           r.left < r.right && r.top < r.bottom;
}

}  // namespace

void BlitClipped(const Page& source, Page& destination, Rect sourceRect, Rect destinationRect, bool keyed) {
    const Rect s = ClampToScreen(sourceRect);
    const Rect d = ClampToScreen(destinationRect);
    if (!Drawable(s) || !Drawable(d)) return;
    const int sw = s.right - s.left, sh = s.bottom - s.top;
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    std::array<int, kScreenWidth> sourceColumn;
    for (int x = 0; x < dw; ++x) sourceColumn[x] = s.left + x * sw / dw;
    for (int y = 0; y < dh; ++y) {
        const int sy = s.top + y * sh / dh;
        for (int x = 0; x < dw; ++x) {
            const std::uint8_t index = source.At(sourceColumn[x], sy);
            if (!keyed || index != kColourKey) destination.At(d.left + x, d.top + y) = index;
        }
    }
}

}  // namespace minigolf
