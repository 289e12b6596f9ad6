// The pitcher faces the batter (right). His pivot foot stays at x = 38 from the set position to
// the release, so the windup rocks over one spot and the stride reaches out from it.

#include <array>

#include "painters.h"
#include "stick_figure.h"

namespace pictures {
namespace {

constexpr double kFeet = kFeetRow;
constexpr double kPivot = 38;
constexpr FigureStyle kPitcherStyle{Headwear::Cap, Colour::Blue, true};

Raster Frame(int width, const Pose& pose) {
    Raster picture = SkyAndGround(width, 65, kFieldHorizon - kFigureTop);
    DrawFigure(picture, pose, kPitcherStyle);
    return picture;
}

Pose Standing() {
    Pose p;
    p.hip = {40, 38};
    p.nearHand = {{42, 41}, Bend::Back};
    p.farHand = {{37, 41}, Bend::Back};
    p.nearFoot = {{45, kFeet}, Bend::Forward};
    p.farFoot = {{kPivot - 4, kFeet}, Bend::Forward};
    return p;
}

// Windup 1..5 (16 ticks each), then stride, arm over the top, release and follow-through.
std::array<Pose, 11> Motion() {
    std::array<Pose, 11> f{};
    for (Pose& p : f) {
        p.ballInHand = true;
        p.farFoot = {{kPivot, kFeet}, Bend::Forward};
    }
    // 1: set, hands together at the chest.
    f[0].hip = {40, 38};
    f[0].nearHand = {{47, 30}, Bend::Back};
    f[0].farHand = {{48, 31}, Bend::Back};
    f[0].nearFoot = {{48, kFeet}, Bend::Forward};
    // 2: hands over the head, leaning back.
    f[1].hip = {39, 38};
    f[1].lean = -8;
    f[1].nearHand = {{40, 5}, Bend::Forward};
    f[1].farHand = {{41, 6}, Bend::Forward};
    f[1].nearFoot = {{47, kFeet}, Bend::Forward};
    // 3: front knee comes up, hands back down to the chest.
    f[2].hip = {38, 38};
    f[2].lean = -10;
    f[2].nearHand = {{43, 29}, Bend::Back};
    f[2].farHand = {{44, 30}, Bend::Back};
    f[2].nearFoot = {{47, 50}, Bend::Back};
    // 4: top of the kick, hands part.
    f[3].hip = {37, 38};
    f[3].lean = -14;
    f[3].nearHand = {{26, 38}, Bend::Forward};
    f[3].farHand = {{50, 27}, Bend::Back};
    f[3].nearFoot = {{50, 44}, Bend::Back};
    // 5: the stride starts, throwing arm reaching back.
    f[4].hip = {44, 40};
    f[4].lean = -6;
    f[4].nearHand = {{20, 27}, Bend::Back};
    f[4].farHand = {{64, 24}, Bend::Back};
    f[4].nearFoot = {{62, 56}, Bend::Back};
    // 6: stride foot lands, arm cocked behind the head: elbow back at shoulder height, forearm up.
    f[5].hip = {53, 43};
    f[5].lean = 4;
    f[5].nearHand = {{46, 18}, Bend::Forward};
    f[5].farHand = {{70, 27}, Bend::Back};
    f[5].nearFoot = {{70, kFeet}, Bend::Forward};
    // 7: body turns forward, the cocked arm comes up behind the head.
    f[6].hip = {55, 43};
    f[6].lean = 14;
    f[6].nearHand = {{51, 17}, Bend::Forward};
    f[6].farHand = {{64, 36}, Bend::Back};
    f[6].nearFoot = {{70, kFeet}, Bend::Forward};
    // 8: the elbow leads the arm through, forearm up in front of the cap; the head stays level
    // so the brim does not meet the arm.
    f[7].hip = {57, 43};
    f[7].lean = 24;
    f[7].headTilt = -10;
    f[7].nearHand = {{77, 20}, Bend::Back};
    f[7].farHand = {{66, 44}, Bend::Back};
    f[7].nearFoot = {{70, kFeet}, Bend::Forward};
    // 9: arm reaching out in front, about to let go.
    f[8].hip = {58, 43};
    f[8].lean = 32;
    f[8].headTilt = -14;
    f[8].nearHand = {{85, 21}, Bend::Back};
    f[8].farHand = {{64, 46}, Bend::Back};
    f[8].nearFoot = {{70, kFeet}, Bend::Forward};
    // 10: the release; the ball appears at picture (90, 25) as this frame is drawn.
    f[9].hip = {58, 43};
    f[9].lean = 38;
    f[9].headTilt = -14;
    f[9].ballInHand = false;
    f[9].nearHand = {{84, 26}, Bend::Back};
    f[9].farHand = {{62, 47}, Bend::Back};
    f[9].nearFoot = {{70, kFeet}, Bend::Forward};
    // 11: follow-through, arm swept down across, back foot comes off the ground.
    f[10].hip = {60, 44};
    f[10].lean = 52;
    f[10].ballInHand = false;
    f[10].nearHand = {{70, 52}, Bend::Back};
    f[10].farHand = {{55, 46}, Bend::Back};
    f[10].nearFoot = {{70, kFeet}, Bend::Forward};
    f[10].farFoot = {{44, 52}, Bend::Back};
    return f;
}

// On hands and knees after giving up a home run.
Raster HandsAndKnees() {
    Pose p;
    p.hip = {40, 46};
    p.lean = 70;
    p.headTilt = 70;
    p.nearHand = {{58, 59}, Bend::Back};
    p.farHand = {{54, 59}, Bend::Back};
    p.nearFoot = {{28, kFeet}, Bend::Forward};
    p.farFoot = {{25, kFeet}, Bend::Forward};
    Raster picture = SkyAndGround(114, 65, kFieldHorizon - kFigureTop);
    DrawFigure(picture, p, {Headwear::Cap, Colour::Blue, true});
    return picture;
}

// Turned round to watch the ball fly off: drawn facing right, then mirrored in place.
Raster TurnedAway() {
    Pose p;
    p.hip = {84 - 44, 38};
    p.lean = -6;
    p.headTilt = -30;
    p.nearHand = {{84 - 46, 40}, Bend::Back};
    p.farHand = {{84 - 40, 40}, Bend::Back};
    p.nearFoot = {{84 - 38, kFeet}, Bend::Forward};
    p.farFoot = {{84 - 50, kFeet}, Bend::Forward};
    return Frame(85, p).Mirrored();
}

}  // namespace

void PaintPitcher(PictureSet& out) {
    out.insert_or_assign(132, Frame(114, Standing()));
    const auto motion = Motion();
    for (int i = 0; i < 11; ++i) out.insert_or_assign(133 + i, Frame(85, motion[i]));
    out.insert_or_assign(158, HandsAndKnees());
    out.insert_or_assign(164, TurnedAway());
}

}  // namespace pictures
