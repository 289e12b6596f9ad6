#pragma once
// Each painter adds its pictures to the set, keyed by resource id.

#include <map>

#include "raster.h"

namespace pictures {

using PictureSet = std::map<int, Raster>;

// The scene's horizon: sky above field row 125, ground from it down.
inline constexpr int kFieldHorizon = 125;
// Both figures stand at field row 75, on feet at this picture row.
inline constexpr int kFigureTop = 75;
inline constexpr double kFeetRow = 61;

void PaintPitcher(PictureSet& out);
void PaintBatter(PictureSet& out);
void PaintScenery(PictureSet& out);
void PaintLettering(PictureSet& out);

}  // namespace pictures
