#pragma once
// Colouring shapes on the sheet: lettering with an outline and a drop shadow, and the seeded
// noise that gives grass, sand and wood their texture.

#include <cstdint>
#include <string_view>

#include "minigolf/sheet/indexed_image.h"
#include "minigolf/sheet/mask.h"
#include "minigolf/sheet/palette.h"
#include "minigolf/sheet/stroke_font.h"

namespace minigolf::sheet {

struct Rect {
    int x, y, w, h;
};

struct LetterStyle {
    Ramp fill = Ramp::Gold;
    int topLevel = 0;  // shade at the top of the ink
    int bottomLevel = 0;  // shade at the bottom
    std::uint8_t outline = 0;
    int outlineWidth = 1;
    std::uint8_t shadow = 0;  // kKey: no shadow
    int shadowOffset = 0;  // down and right, in pixels
};

// Deterministic noise in [0, 1) for a pixel: the same everywhere a tile repeats.
double Noise(int x, int y, int seed);

// Paints `ink` (whose origin is at (x, y) on the image) with `style`: shadow, outline, then the
// fill shaded from top to bottom with a lighter first row.
void PaintInk(IndexedImage& image, const Mask& ink, int x, int y, const LetterStyle& style);

// Paints `text` centred in `box`.
void PaintText(IndexedImage& image, std::string_view text, Rect box, const Pen& pen, const LetterStyle& style);

}  // namespace minigolf::sheet
