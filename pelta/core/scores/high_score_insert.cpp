#include "pelta/scores/high_score_insert.h"

namespace pelta {
namespace {

// Dense ranks: equal scores share a rank and the next score takes the following one.
void Rank(HighScoreLevelTable& table) {
    for (int j = 0; j < table.count; ++j) {
        HighScoreEntry& e = table.entries[j];
        if (j == 0) {
            e.rank = 1;
        } else {
            const HighScoreEntry& above = table.entries[j - 1];
            e.rank = static_cast<std::uint8_t>(e.score == above.score ? above.rank : above.rank + 1);
        }
    }
}

}  // namespace

std::optional<int> HighScorePosition(const HighScoreLevelTable& table, std::int32_t score) {
    if (score <= 0) return std::nullopt;
    for (int i = 0; i < table.count; ++i) {
        if (score > table.entries[i].score) return i;
    }
    if (table.count < kHighScoreEntries) return table.count;
    return std::nullopt;
}

std::optional<int> InsertHighScore(HighScoreTable& tables, int level, const FinishedGame& game) {
    if (level < 0 || level >= kLevelCount) return std::nullopt;
    HighScoreLevelTable& table = tables[level];
    std::optional<int> pos = HighScorePosition(table, game.score);
    if (!pos) return std::nullopt;

    // With a full table the old last entry moves into the scratch slot and drops out.
    for (int i = table.count; i > *pos; --i) table.entries[i] = table.entries[i - 1];
    if (table.count < kHighScoreEntries) ++table.count;

    table.entries[*pos] = HighScoreEntry{
        .name = {},
        .rank = 0,
        .key = static_cast<std::uint8_t>(game.key & 0xFF),
        .maxCombo = game.maxCombo,
        .score = game.score,
        .counts = game.counts,
    };
    Rank(table);
    return pos;
}

}  // namespace pelta
