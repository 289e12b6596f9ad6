#include "stick_figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pictures {
namespace {

Point Add(Point a, Point b, double scale = 1) { return {a.x + b.x * scale, a.y + b.y * scale}; }

// Unit vector `degrees` away from straight up, turning towards the front (+x).
Point Up(double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {std::sin(a), -std::cos(a)};
}

Point Forward(double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {std::cos(a), std::sin(a)};
}

Point Normalised(Point v) {
    const double n = std::hypot(v.x, v.y);
    return n > 0 ? Point{v.x / n, v.y / n} : Point{1, 0};
}

// The joint of a two-bone limb from `root` reaching for `end` (it stops short when it cannot).
Point Joint(Point root, Point end, double first, double second, Bend bend) {
    const Point along = Normalised({end.x - root.x, end.y - root.y});
    const double reach = std::clamp(std::hypot(end.x - root.x, end.y - root.y),
                                    std::abs(first - second) + 0.01, first + second - 0.01);
    const double a = (first * first - second * second + reach * reach) / (2 * reach);
    const double h = std::sqrt(std::max(0.0, first * first - a * a));
    // For a limb pointing down, (-along.y, along.x) points back; Forward flips it.
    const double side = bend == Bend::Forward ? -1 : 1;
    return {root.x + along.x * a - along.y * h * side, root.y + along.y * a + along.x * h * side};
}

// Where a limb's end really is: short of its target when that is out of reach.
Point ReachedEnd(Point root, Point end, double first, double second) {
    const double reach = std::min(std::hypot(end.x - root.x, end.y - root.y), first + second - 0.01);
    return Add(root, Normalised({end.x - root.x, end.y - root.y}), reach);
}

// Draws the limb and returns where its end is.
Point DrawLimb(Raster& target, Point root, const Limb& limb, double first, double second) {
    const Point joint = Joint(root, limb.end, first, second, limb.bend);
    const Point end = ReachedEnd(root, limb.end, first, second);
    target.Line(root, joint, 2, kLimbColour);
    target.Line(joint, end, 2, kLimbColour);
    return end;
}

// A shoe: the foot ends in a short stroke forward along the ground.
void DrawShoe(Raster& target, Point hip, const Limb& foot) {
    const Point ankle = ReachedEnd(hip, foot.end, kThigh, kShin);
    target.Line(ankle, {ankle.x + 3, ankle.y}, 2, kLimbColour);
}

void DrawHead(Raster& target, Point centre, double angle, const FigureStyle& style) {
    const Point up = Up(angle);
    const Point forward = Forward(angle);
    target.Disc(centre, kHeadRadius, kLimbColour);
    target.Disc(centre, kHeadRadius - 1, Colour::White);
    const Point eye = Add(Add(centre, forward, 2.2), up, -0.2);
    target.Set(static_cast<int>(std::floor(eye.x)), static_cast<int>(std::floor(eye.y)), kLimbColour);

    const int left = static_cast<int>(centre.x) - 9, top = static_cast<int>(centre.y) - 9;
    for (int y = top; y < top + 19; ++y) {
        for (int x = left; x < left + 19; ++x) {
            const Point v{x + 0.5 - centre.x, y + 0.5 - centre.y};
            const double distance = std::hypot(v.x, v.y);
            const double height = v.x * up.x + v.y * up.y;
            const double ahead = v.x * forward.x + v.y * forward.y;
            const bool crown = distance <= kHeadRadius + 0.4 && height >= 0.6;
            // The helmet also covers the back of the head down to the ear.
            const bool helmet = style.headwear == Headwear::Helmet && distance <= kHeadRadius + 0.6 &&
                                (height >= -0.2 || (ahead < -1.5 && height >= -2.5));
            if (crown || helmet) target.Set(x, y, style.hat);
        }
    }
    const Point brimFrom = Add(Add(centre, forward, kHeadRadius - 1.5), up, 0.8);
    const double brimLength = style.headwear == Headwear::Cap ? 5 : 3;
    target.Line(brimFrom, Add(brimFrom, forward, brimLength), 2, style.hat);
}

void DrawBat(Raster& target, Point grip, const HeldBat& bat) {
    const Point along = Normalised(bat.direction);
    target.Line(Add(grip, along, -2), Add(grip, along, bat.length), 3, kBatColour);
}

}  // namespace

Point NeckOf(const Pose& pose) { return Add(pose.hip, Up(pose.lean), kTorso); }

// The head leans half as far as the body, so the eyes stay on the game.
double HeadAngle(const Pose& pose) { return pose.lean / 2 + pose.headTilt; }

Point HeadCentreOf(const Pose& pose) { return Add(NeckOf(pose), Up(HeadAngle(pose)), kHeadRadius + 0.5); }

void DrawFigure(Raster& target, const Pose& pose, const FigureStyle& style) {
    const Point neck = NeckOf(pose);
    const Point shoulder = Add(neck, Up(pose.lean), -2);

    const Point farHand = DrawLimb(target, shoulder, pose.farHand, kUpperArm, kForearm);
    if (style.glove) target.Disc(farHand, 2.6, Colour::Maroon);
    DrawLimb(target, pose.hip, pose.farFoot, kThigh, kShin);
    DrawShoe(target, pose.hip, pose.farFoot);
    target.Line(pose.hip, neck, 2, kLimbColour);
    DrawLimb(target, pose.hip, pose.nearFoot, kThigh, kShin);
    DrawShoe(target, pose.hip, pose.nearFoot);
    // The bat passes behind the head and under the near arm, so it goes down first, placed at
    // the hand the arm will reach.
    if (pose.bat) DrawBat(target, ReachedEnd(shoulder, pose.nearHand.end, kUpperArm, kForearm), *pose.bat);
    DrawHead(target, HeadCentreOf(pose), HeadAngle(pose), style);
    const Point nearHand = DrawLimb(target, shoulder, pose.nearHand, kUpperArm, kForearm);
    if (pose.ballInHand) {
        target.Disc(nearHand, 1.8, Colour::Black);
        target.Disc(nearHand, 1.2, Colour::White);
    }
}

Raster SkyAndGround(int width, int height, int horizon) {
    Raster picture(width, height, kSky);
    picture.Fill(0, horizon, width, height, kGround);
    return picture;
}

}  // namespace pictures
