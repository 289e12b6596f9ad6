// Ball, grass, cloud, sun and the life icons.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "painters.h"

namespace pictures {
namespace {

Raster Ball(double radius) {
    Raster picture(6, 6, kSky);
    picture.Disc({3, 3}, radius, Colour::Silver);
    picture.Disc({2.6, 2.6}, radius - 0.8, Colour::White);
    return picture;
}

// A fixed little generator so the grass comes out the same on every build.
class Scatter {
public:
    int Next(int n) {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t state_ = 20240607u;
};

Raster Grass() {
    Raster picture(80, 20, kGround);
    Scatter scatter;
    for (int i = 0; i < 34; ++i) {
        // Taller blades in the middle of the tuft.
        const int x = 18 + scatter.Next(23) + scatter.Next(23);
        const double middle = 1 - std::abs(x - 40) / 30.0;
        const int height = 4 + static_cast<int>(middle * 10) + scatter.Next(4);
        // A short blade that leans far steps sideways right under its tip, which reads as a hook.
        const int lean = std::clamp(scatter.Next(5) - 2 + (x - 40) / 10, -height / 5, height / 5);
        const Colour colour = scatter.Next(4) == 0 ? Colour::Olive : Colour::Green;
        // Through pixel centres: a blade drawn along pixel edges rounds its tip sideways into a hook.
        picture.Line({static_cast<double>(x), 19}, {static_cast<double>(x + lean), 19.0 - height}, 1, colour);
    }
    return picture;
}

Raster Cloud() {
    Raster picture(80, 40, kSky);
    struct Puff { double x, y, r; };
    const Puff puffs[] = {{18, 26, 9}, {32, 18, 12}, {48, 15, 13}, {62, 24, 10}, {40, 27, 10}, {70, 29, 6}, {10, 30, 6}};
    for (const Puff& p : puffs) picture.Disc({p.x, p.y}, p.r, Colour::White);
    // A flat base, and a silver underside two pixels deep that follows the outline.
    picture.Fill(0, 35, 80, 40, kSky);
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 35; ++y)
            if (picture.At(x, y) == Colour::White && (y + 2 >= 35 || picture.At(x, y + 2) == kSky))
                picture.Set(x, y, Colour::Silver);
    return picture;
}

Raster Sun() {
    Raster picture(48, 48, kSky);
    const Point centre{24, 24};
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30 * std::numbers::pi / 180;
        const double inner = 15, outer = (i % 2 == 0) ? 23 : 20;
        picture.Line({centre.x + inner * std::cos(a), centre.y + inner * std::sin(a)},
                     {centre.x + outer * std::cos(a), centre.y + outer * std::sin(a)}, 2, Colour::Red);
    }
    picture.Disc(centre, 13, Colour::Red);
    picture.Disc(centre, 12, Colour::Yellow);
    picture.Disc({20, 20}, 3.5, Colour::White);
    return picture;
}

// A bat standing on its handle, leaning right: knob, handle, thick barrel, outlined in black.
Raster LifeBat(double scale) {
    Raster picture(17, 23, kGround);
    const Point knob{5, 21}, tip{12, 21 - 19 * scale};
    const Point neck{knob.x + (tip.x - knob.x) * 0.45, knob.y + (tip.y - knob.y) * 0.45};
    Raster shape(17, 23, kGround);
    shape.Line(knob, neck, 2, Colour::Olive);
    shape.Line(neck, tip, 4, Colour::Olive);
    shape.Disc({knob.x + 0.5, knob.y + 0.5}, 1.6, Colour::Olive);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 17; ++x) {
            if (shape.At(x, y) != kGround) continue;
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    edge = edge || (x + dx >= 0 && y + dy >= 0 && x + dx < 17 && y + dy < 23 &&
                                    shape.At(x + dx, y + dy) != kGround);
            if (edge) picture.Set(x, y, Colour::Black);
        }
    picture.Overlay(shape, 0, 0, kGround);
    // A light streak along the barrel.
    picture.Line({neck.x + 1, neck.y - 1}, {tip.x, tip.y + 1}, 1, Colour::Yellow);
    return picture;
}

}  // namespace

void PaintScenery(PictureSet& out) {
    out.insert_or_assign(144, Ball(3));
    out.insert_or_assign(145, Raster(6, 6, kSky));
    out.insert_or_assign(205, Ball(1.9));
    out.insert_or_assign(155, Grass());
    out.insert_or_assign(156, Cloud());
    out.insert_or_assign(153, Sun());
    out.insert_or_assign(161, Raster(17, 23, kGround));
    out.insert_or_assign(130, LifeBat(1.0));
    out.insert_or_assign(160, LifeBat(0.55));
}

}  // namespace pictures
