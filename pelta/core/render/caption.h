#pragma once
// The one text line under the field: the start prompt or the pitch's name. Called by the
// frame loop (pitch start, swing, end of a pitch) and by the full redraw.

#include "pelta/model/game_state.h"
#include "pelta/render/canvas.h"

namespace pelta {

inline constexpr char kPracticeSuffix[] = " のコソ練中!";

// caption = the pitch's name (plus the practice suffix in practice), then draws it.
void BuildPitchCaption(GameState& s, Canvas& canvas);
void DrawCaption(const GameState& s, Canvas& canvas);
// Overwrites the line with blanks; nothing in practice, where the last name stays.
void ClearCaptionLine(const GameState& s, Canvas& canvas);

}  // namespace pelta
