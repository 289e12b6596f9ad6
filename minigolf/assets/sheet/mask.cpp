#include "minigolf/sheet/mask.h"

namespace minigolf::sheet {

Mask Mask::Grown(int radius) const {
    Mask grown(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!At(x, y)) {
                continue;
            }
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    // The +1 rounds the brush's corners off only a little, so a 1-pixel
                    // outline still closes diagonal gaps.
                    if (dx * dx + dy * dy <= radius * radius + 1) {
                        grown.Set(x + dx, y + dy);
                    }
                }
            }
        }
    }
    return grown;
}

Mask Mask::Shifted(int dx, int dy) const {
    Mask shifted(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            shifted.Set(x + dx, y + dy, At(x, y));
        }
    }
    return shifted;
}

}  // namespace minigolf::sheet
