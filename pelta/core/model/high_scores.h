#pragma once
// The per-level top-ten tables.

#include <array>
#include <cstdint>
#include <string>

#include "pelta/model/pitch.h"

namespace pelta {

struct HighScoreEntry {
    std::string name;  // UTF-8 here; Shift-JIS on disk
    std::uint8_t rank = 0;  // 1-based; equal scores share a rank
    std::uint8_t key = 0;   // password key
    std::int32_t maxCombo = 0;
    std::int32_t score = 0;
    std::array<std::int32_t, kResultKinds> counts{};
    bool operator==(const HighScoreEntry&) const = default;
};

inline constexpr int kHighScoreEntries = 10;

struct HighScoreLevelTable {
    std::uint8_t count = 0;  // 0..10
    // Slot 10 only holds the entry pushed out of slot 9 during an insertion.
    std::array<HighScoreEntry, kHighScoreEntries + 1> entries{};
    bool operator==(const HighScoreLevelTable&) const = default;
};

using HighScoreTable = std::array<HighScoreLevelTable, kLevelCount>;

}  // namespace pelta
