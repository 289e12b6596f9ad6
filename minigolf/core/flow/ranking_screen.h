#pragma once
// The ranking screen, drawn with the sheet's font onto the course background.

#include <cstdint>

#include "minigolf/flow/golf_game.h"
#include "minigolf/flow/rank_table.h"
#include "minigolf/pages/surfaces.h"

namespace minigolf {

// Covers the background with the plain tile 0.
void ClearBackground(Surfaces& surfaces);

// The title, the rank numbers 1 to 5 and every shown rank's score and name except the slot
// being entered.
void DrawRankingTable(Surfaces& surfaces, const RankTable& table, int rankPos);

// "NAME ENTRY" and the total being entered.
void DrawNameEntryPrompt(Surfaces& surfaces, std::int32_t total);

// The whole screen as the game state shows it now, letters already entered included.
void DrawRankingScreen(Surfaces& surfaces, const GolfState& state);

inline constexpr int kNameX = 400;
inline constexpr int kNameEntryY = 420;

}  // namespace minigolf
