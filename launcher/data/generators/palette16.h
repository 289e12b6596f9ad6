#pragma once
// The standard 16-colour palette of the period's desktops, and a reduction of a painted
// picture to it, for the icons drawn in those colours.

#include <QColor>
#include <QImage>
#include <array>

namespace launcher_art {

inline constexpr std::array<QRgb, 16> kPalette16 = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// Each opaque pixel becomes its nearest palette colour; transparency is kept.
QImage ToPalette16(const QImage& image);

}  // namespace launcher_art
