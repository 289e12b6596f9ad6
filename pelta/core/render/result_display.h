#pragma once
// The per-frame result displays: the blinking (or rainbow) result label and the combo and
// points figures. The frame loop calls both at the start of every frame; each does nothing
// while resultShown = 0.

#include "pelta/model/game_state.h"
#include "pelta/render/canvas.h"

namespace pelta {

void ShowResultLabel(GameState& s, Canvas& canvas);
void DrawComboAndPoints(const GameState& s, Canvas& canvas);

// The largest figures the displays have room for; larger values show these (see the .cpp).
inline constexpr int kMaxShownCombo = 9999;
inline constexpr int kMaxShownPoints = 99999;

}  // namespace pelta
