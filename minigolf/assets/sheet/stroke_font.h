#pragma once
// Lettering drawn with a round pen along straight strokes, so one set of letter shapes serves
// every size on the sheet, from the 18-pixel font to the banners.

#include <string_view>

#include "minigolf/sheet/mask.h"

namespace minigolf::sheet {

struct Pen {
    double unitX = 1;  // pixels per font unit across; a capital is 4 units wide
    double unitY = 1;  // pixels per font unit down; a capital is 6 units high
    double width = 1;  // the pen's diameter in pixels
    double gap = 1;  // font units between letters
};

// Width in pixels of the ink of `text`.
double TextWidth(std::string_view text, const Pen& pen);
// Height in pixels of a capital's ink.
inline double CapHeight(const Pen& pen) { return 6 * pen.unitY + pen.width; }

// Sets the ink of `text` in `mask` with its top-left at (x, y). Letters are the capitals, the
// digits and . , ! ? ' / : * = + - # (a heart) @ (a star) and ^ (the end mark).
void DrawText(Mask& mask, std::string_view text, double x, double y, const Pen& pen);

}  // namespace minigolf::sheet
