#include "minigolf/flow/ranking_file.h"

#include "minigolf/files/little_endian.h"

namespace minigolf {
namespace {

// Files written by the first version of the game went through a Windows text-mode stream, which
// wrote every 0x0A byte as 0x0D 0x0A; such a file is longer than 40 bytes and reads back once the
// pairs are undone. That stream also ended reading at a 0x1A byte, so a glyph 0 (code 26) or a
// score of 26 never came back; files are now written and read as they are, and 26 round-trips.
std::vector<std::uint8_t> UndoTextMode(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> plain;
    plain.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == 0x0D && i + 1 < bytes.size() && bytes[i + 1] == 0x0A) continue;
        plain.push_back(bytes[i]);
    }
    return plain;
}

}  // namespace

void DecodeRanking(std::span<const std::uint8_t> bytes, RankTable& table) {
    const std::vector<std::uint8_t> plain =
        bytes.size() > kRankingFileSize ? UndoTextMode(bytes) : std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    std::size_t at = 0;
    auto next = [&](std::int16_t& value) {
        if (plain.size() - at < 2) return;
        value = static_cast<std::int16_t>(ReadU16(plain, at));
        at += 2;
    };
    for (int q = 0; q < kShownRanks; ++q) next(table[q].score);
    for (int q = 0; q < kShownRanks; ++q) {
        for (std::int16_t& glyph : table[q].name) next(glyph);
    }
}

std::vector<std::uint8_t> EncodeRanking(const RankTable& table) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kRankingFileSize);
    auto put = [&](std::int16_t value) {
        const auto u = static_cast<std::uint16_t>(value);
        bytes.push_back(static_cast<std::uint8_t>(u));
        bytes.push_back(static_cast<std::uint8_t>(u >> 8));
    };
    for (int q = 0; q < kShownRanks; ++q) put(table[q].score);
    for (int q = 0; q < kShownRanks; ++q) {
        for (const std::int16_t glyph : table[q].name) put(glyph);
    }
    return bytes;
}

void LoadRanking(GameFiles& files, RankTable& table) {
    if (const auto bytes = files.Read(kRankingFile)) DecodeRanking(*bytes, table);
}

bool SaveRanking(GameFiles& files, const RankTable& table) {
    return files.Replace(kRankingFile, EncodeRanking(table));
}

}  // namespace minigolf
