#pragma once
// The plate behind the game's title: filled in the plate colour, with a two-pixel sunken bevel
// (black top and left, white right and bottom), 5 pixels above and below the label and exactly
// as wide.

#include <QColor>
#include <QImage>
#include <QRect>

namespace launcher {

// Draws onto `canvas` around `label` (the title label's geometry in the same pixels).
void DrawTitlePlate(QImage& canvas, const QRect& label, const QColor& plateColor);

}  // namespace launcher
