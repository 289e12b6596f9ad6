#pragma once
// A stick figure posed by where its hip, hands and feet are: elbows and knees follow by
// two-bone reach, so a planted foot stays exactly where it is put from frame to frame.
// Figures face right; a left-facing picture is a mirrored one.

#include <optional>

#include "raster.h"

namespace pictures {

enum class Headwear { Cap, Helmet };

// Which side of the straight reach a joint goes: for a limb pointing down, Forward puts it ahead.
enum class Bend { Forward = 1, Back = -1 };

struct Limb {
    Point end;
    Bend bend;
};

struct HeldBat {
    Point direction;  // from the grip towards the barrel; need not be unit length
    double length;    // drawn length: shorter while the bat points at the viewer
};

struct Pose {
    Point hip;
    double lean = 0;      // torso, degrees from upright; positive leans forward
    double headTilt = 0;  // on top of half the lean; positive nods forward
    Limb nearHand{}, farHand{};
    Limb nearFoot{}, farFoot{};
    bool ballInHand = false;         // a ball in the near hand
    std::optional<HeldBat> bat;      // held in both hands at nearHand
};

struct FigureStyle {
    Headwear headwear = Headwear::Cap;
    Colour hat = Colour::Blue;
    bool glove = false;  // a glove on the far hand
};

inline constexpr double kHeadRadius = 5.5;
inline constexpr double kTorso = 16;
inline constexpr double kUpperArm = 9, kForearm = 9;
inline constexpr double kThigh = 12, kShin = 12;
inline constexpr Colour kLimbColour = Colour::Black;
inline constexpr Colour kBatColour = Colour::Olive;

void DrawFigure(Raster& target, const Pose& pose, const FigureStyle& style);

// Where the neck, shoulders and head centre of a pose are, for pictures that add to a figure.
Point NeckOf(const Pose& pose);
Point HeadCentreOf(const Pose& pose);

// A picture `width` × `height`: sky above row `horizon`, ground from it down.
Raster SkyAndGround(int width, int height, int horizon);

}  // namespace pictures
