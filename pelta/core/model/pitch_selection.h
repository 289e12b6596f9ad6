#pragma once
// Drawing a new pitch: which effects it has (by level) and its random stop and warp points.
// Called by the frame loop when a pitch starts. The order of the draws is fixed so that a
// seed replays the same game.

#include "pelta/model/pitch.h"
#include "pelta/model/random.h"

namespace pelta {

// The pitch of a normal game at `level` (Easy..AnoMani; anything else is treated as Easy).
PitchSpec SelectPitch(Level level, Random& random);

// The per-pitch stop and warp parameters; stopPoint[0] <= stopPoint[1] always.
PitchRun DrawPitchRun(Random& random);

}  // namespace pelta
