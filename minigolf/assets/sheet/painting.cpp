#include "minigolf/sheet/painting.h"

#include <algorithm>
#include <cmath>

namespace minigolf::sheet {

double Noise(int x, int y, int seed) {
    auto h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
             static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xffffff) / 16777216.0;
}

void PaintInk(IndexedImage& image, const Mask& ink, int x, int y, const LetterStyle& style) {
    const Mask body = ink.Grown(style.outlineWidth);
    int top = ink.Height();
    int bottom = 0;
    for (int row = 0; row < ink.Height(); ++row) {
        for (int col = 0; col < ink.Width(); ++col) {
            if (ink.At(col, row)) {
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
    }
    if (style.shadow != kKey && style.shadowOffset > 0) {
        const Mask shadow = body.Shifted(style.shadowOffset, style.shadowOffset);
        for (int row = 0; row < ink.Height(); ++row) {
            for (int col = 0; col < ink.Width(); ++col) {
                if (shadow.At(col, row) && !body.At(col, row)) {
                    image.Set(x + col, y + row, style.shadow);
                }
            }
        }
    }
    const double span = std::max(1, bottom - top);
    for (int row = 0; row < ink.Height(); ++row) {
        for (int col = 0; col < ink.Width(); ++col) {
            if (ink.At(col, row)) {
                const double along = (row - top) / span;
                int level = static_cast<int>(std::lround(style.topLevel + (style.bottomLevel - style.topLevel) * along));
                if (!ink.At(col, row - 1)) {
                    level += 2;
                }
                image.Set(x + col, y + row, Ink(style.fill, level));
            } else if (body.At(col, row)) {
                image.Set(x + col, y + row, style.outline);
            }
        }
    }
}

void PaintText(IndexedImage& image, std::string_view text, Rect box, const Pen& pen, const LetterStyle& style) {
    Mask ink(box.w, box.h);
    // The shadow counts towards the size, so that the whole picture sits in the middle.
    const double left = (box.w - TextWidth(text, pen) - style.shadowOffset) / 2;
    const double top = (box.h - CapHeight(pen) - style.shadowOffset) / 2;
    DrawText(ink, text, std::round(left), std::round(top), pen);
    PaintInk(image, ink, box.x, box.y, style);
}

}  // namespace minigolf::sheet
