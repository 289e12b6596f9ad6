#pragma once
// The five-place ranking of totals against par, best (lowest) first.

#include <array>
#include <cstdint>

namespace minigolf {

struct RankEntry {
    std::int16_t score = 0;
    std::array<std::int16_t, 3> name{};  // glyph codes

    bool operator==(const RankEntry&) const = default;
};

inline constexpr int kShownRanks = 5;
// Receives the entry pushed off rank 5; neither shown nor stored.
inline constexpr int kOverflowSlot = 5;
inline constexpr int kNotPlaced = 6;

struct RankTable {
    std::array<RankEntry, 6> slots{};

    RankEntry& operator[](int slot) { return slots[static_cast<std::size_t>(slot)]; }
    const RankEntry& operator[](int slot) const { return slots[static_cast<std::size_t>(slot)]; }
    bool operator==(const RankTable&) const = default;
};

// The smallest slot whose score is at least the total (a tie goes above), or kNotPlaced.
int PlaceTotal(const RankTable& table, std::int32_t total);

// Moves the entries from rankPos down by one and puts the total there with a blank name. A total
// beyond what a score holds is stored at its limit.
void InsertTotal(RankTable& table, int rankPos, std::int32_t total);

}  // namespace minigolf
