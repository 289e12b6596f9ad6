#pragma once
// "rank.dat": the five shown ranks, 40 bytes little-endian: five int16 scores, then five names of
// three int16 glyph codes.

#include <cstdint>
#include <span>
#include <vector>

#include "minigolf/files/game_files.h"
#include "minigolf/flow/rank_table.h"

namespace minigolf {

inline constexpr const char* kRankingFile = "rank.dat";
inline constexpr std::size_t kRankingFileSize = 40;

// Reads the stored ranks into the table one item at a time; a file that ends early leaves the
// remaining values as they were, and the overflow slot is never touched.
void DecodeRanking(std::span<const std::uint8_t> bytes, RankTable& table);
std::vector<std::uint8_t> EncodeRanking(const RankTable& table);

// A missing file leaves the table as it is, like an empty one; the first save creates it.
void LoadRanking(GameFiles& files, RankTable& table);
bool SaveRanking(GameFiles& files, const RankTable& table);

}  // namespace minigolf
