// The batter faces the pitcher (left). He is posed facing right and mirrored, so in the poses
// below the ball comes from the right and crosses the bat's path at x = 34..39, y = 25..31: the middle of the bat at contact.

#include <cmath>
#include <numbers>

#include "painters.h"
#include "stick_figure.h"

namespace pictures {
namespace {

constexpr double kFeet = kFeetRow;
constexpr FigureStyle kBatterStyle{Headwear::Helmet, Colour::Red, false};
constexpr Point kContact{39, 28};

Raster Picture(const Pose& pose) {
    Raster picture = SkyAndGround(70, 65, kFieldHorizon - kFigureTop);
    DrawFigure(picture, pose, kBatterStyle);
    return picture;
}

Pose Base(Point hip, double lean, Point backFoot, Point frontFoot) {
    Pose p;
    p.hip = hip;
    p.lean = lean;
    p.farFoot = {backFoot, Bend::Forward};
    p.nearFoot = {frontFoot, Bend::Forward};
    return p;
}

void Grip(Pose& p, Point grip, Point bat, double length) {
    p.nearHand = {grip, Bend::Back};
    p.farHand = {{grip.x - 1, grip.y + 1}, Bend::Back};
    p.bat = HeldBat{bat, length};
}

// Speed lines: dots where the bat's end has just been. The swing is a flat circle seen from
// the side: 180 degrees is behind him, 90 towards us (a little lower), 0 in front, -90 away.
void Swoosh(Raster& picture, Point centre, double rx, double ry, double fromDegrees, double toDegrees) {
    const double step = fromDegrees < toDegrees ? 10 : -10;
    for (double a = fromDegrees; (toDegrees - a) * step >= 0; a += step) {
        const double r = a * std::numbers::pi / 180;
        picture.Set(static_cast<int>(centre.x + rx * std::cos(r)), static_cast<int>(centre.y + ry * std::sin(r)),
                    Colour::White);
    }
}

// The bang of a ball met square: a star of rays around the contact point.
void Splash(Raster& picture, Point centre, double inner, double outer, Colour colour) {
    for (int i = 0; i < 8; ++i) {
        const double r = (i * 45 + 22.5) * std::numbers::pi / 180;
        const double reach = (i % 2 == 0) ? outer : outer * 0.7;
        picture.Line({centre.x + inner * std::cos(r), centre.y + inner * std::sin(r)},
                     {centre.x + reach * std::cos(r), centre.y + reach * std::sin(r)}, 2, colour);
    }
}

void SweatDrop(Raster& picture, Point at) {
    picture.Disc({at.x, at.y + 2}, 2.2, Colour::Blue);
    picture.Line({at.x, at.y - 2}, {at.x, at.y + 1}, 1, Colour::Blue);
    picture.Set(static_cast<int>(at.x) - 1, static_cast<int>(at.y) + 1, Colour::White);
}

Pose Standing() {
    Pose p = Base({20, 38}, 0, {14, kFeet}, {26, kFeet});
    Grip(p, {27, 39}, {0.4, 0.92}, 20);
    return p;
}

Pose Ready() {
    Pose p = Base({18, 40}, 8, {8, kFeet}, {27, kFeet});
    Grip(p, {14, 24}, {-0.45, -0.9}, 20);
    return p;
}

// Swing: bat laid back, coming round (short, pointing at us), square through the ball,
// round the front, then wrapped over the shoulder.
Pose Swing(int step) {
    Pose p = Base({19, 41}, 6, {8, kFeet}, {30, kFeet});
    switch (step) {
        case 0: Grip(p, {15, 28}, {-0.92, -0.42}, 14); break;
        // The hands lead out in front at the belt, arms long, and the barrel trails back and
        // down towards us: short, but clear of the arms and the body.
        case 1: Grip(p, {35, 33}, {-0.7, 0.7}, 12); p.lean = 10; break;
        case 2: Grip(p, {27, 30}, {1, -0.06}, 22); p.lean = 14; break;
        case 3: Grip(p, {30, 28}, {0.55, -0.85}, 13); p.lean = 10; break;
        default:
            Grip(p, {27, 20}, {-0.85, -0.52}, 18);
            p.lean = 2;
            p.farFoot = {{11, 59}, Bend::Forward};
            break;
    }
    return p;
}

Raster SwingPicture(int step) {
    Raster picture = Picture(Swing(step));
    if (step == 1) Swoosh(picture, {27, 30}, 20, 11, 180, 130);
    if (step == 2) Swoosh(picture, {27, 30}, 22, 5, 180, 20);
    if (step == 3) Swoosh(picture, {28, 29}, 21, 4, 40, -60);
    return picture;
}

Raster HomeRunSwing(int step) {
    Raster picture = Picture(Swing(step + 2));
    if (step == 0) {
        Splash(picture, kContact, 4, 11, Colour::Red);
        Splash(picture, kContact, 3, 8, Colour::Yellow);
    } else if (step == 1) {
        Splash(picture, kContact, 7, 13, Colour::Yellow);
    } else {
        Splash(picture, kContact, 11, 15, Colour::White);
    }
    return picture;
}

Raster Victory() {
    Pose p = Base({21, 38}, 0, {14, kFeet}, {28, kFeet});
    p.headTilt = -12;
    p.nearHand = {{31, 6}, Bend::Back};
    p.farHand = {{11, 6}, Bend::Forward};
    Raster picture = Picture(p);
    // The bat dropped on the ground in front of him.
    picture.Line({35, kFeet + 1}, {55, kFeet - 1}, 3, kBatColour);
    return picture;
}

Raster Downcast() {
    Pose p = Base({21, 39}, 18, {17, kFeet}, {25, kFeet});
    p.headTilt = 35;
    Grip(p, {28, 45}, {0.5, 0.87}, 17);
    return Picture(p);
}

Raster Sweating() {
    Pose p = Base({20, 40}, -4, {10, kFeet}, {30, kFeet});
    p.headTilt = -8;
    Grip(p, {25, 24}, {-0.35, -0.94}, 19);
    Raster picture = Picture(p);
    const Point head = HeadCentreOf(p);
    SweatDrop(picture, {head.x + 9, head.y - 3});
    return picture;
}

}  // namespace

void PaintBatter(PictureSet& out) {
    out.insert_or_assign(146, Picture(Standing()).Mirrored());
    out.insert_or_assign(147, Picture(Ready()).Mirrored());
    for (int step = 0; step < 5; ++step) out.insert_or_assign(148 + step, SwingPicture(step).Mirrored());
    out.insert_or_assign(159, Victory().Mirrored());
    out.insert_or_assign(162, Downcast().Mirrored());
    out.insert_or_assign(163, Sweating().Mirrored());
    const int homeRunIds[] = {165, 166, 168};
    for (int step = 0; step < 3; ++step) out.insert_or_assign(homeRunIds[step], HomeRunSwing(step).Mirrored());
}

}  // namespace pictures
