#pragma once
// How a finished game's score enters its level's top-ten table.

#include <array>
#include <cstdint>
#include <optional>

#include "pelta/model/high_scores.h"

namespace pelta {

struct FinishedGame {
    std::int32_t score = 0;
    std::int32_t maxCombo = 0;
    std::int32_t key = 0;  // the ranking password's key, 0..1295; the table keeps its low 8 bits
    std::array<std::int32_t, kResultKinds> counts{};
};

// The slot a score would take: after every stored score it does not beat, so ties go last.
// Nothing when the score is 0 or less, or when the table is full of scores it does not beat.
std::optional<int> HighScorePosition(const HighScoreLevelTable& table, std::int32_t score);

// Inserts the game into level `level`'s table (0..3; any other level, such as practice, never
// enters) and ranks the table anew. Returns the new entry's slot, whose name is left empty for
// the caller to fill in.
std::optional<int> InsertHighScore(HighScoreTable& tables, int level, const FinishedGame& game);

}  // namespace pelta
