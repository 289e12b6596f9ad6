#include <gtest/gtest.h>

#include "minigolf/flow/rank_table.h"
#include "minigolf/flow/ranking_file.h"
#include "minigolf/testing/memory_files.h"

namespace minigolf {
namespace {

RankTable Scores(std::initializer_list<std::int16_t> scores) {
    RankTable table;
    int q = 0;
    for (const std::int16_t score : scores) {
        table[q] = RankEntry{score, {static_cast<std::int16_t>(q), static_cast<std::int16_t>(q), 1}};
        ++q;
    }
    return table;
}

TEST(RankTable, ATieGoesAboveAndPushesRankFiveIntoTheOverflowSlot) {
    RankTable table = Scores({-6, -2, 1, 4, 9, 12});
    const RankTable before = table;
    const int rankPos = PlaceTotal(table, 1);
    ASSERT_EQ(rankPos, 2);
    InsertTotal(table, rankPos, 1);
    EXPECT_EQ(table[2], (RankEntry{1, {47, 47, 47}}));
    EXPECT_EQ(table[3], before[2]);
    EXPECT_EQ(table[4], before[3]);
    EXPECT_EQ(table[kOverflowSlot], before[4]);
    EXPECT_EQ(table[1], before[1]);
}

TEST(RankTable, PlacementAgainstTheOverflowSlotAndBeyond) {
    struct Case {
        std::int32_t total;
        int rankPos;
    };
    // Ranks -6 … 9 shown, 12 in the overflow slot.
    for (const Case c : {Case{-7, 0}, Case{9, 4}, Case{10, 5}, Case{12, 5}, Case{13, kNotPlaced}}) {
        SCOPED_TRACE(c.total);
        RankTable table = Scores({-6, -2, 1, 4, 9, 12});
        const RankTable before = table;
        EXPECT_EQ(PlaceTotal(table, c.total), c.rankPos);
        InsertTotal(table, c.rankPos, c.total);
        if (c.rankPos == kNotPlaced) {
            EXPECT_EQ(table, before);
        }
        if (c.rankPos == kOverflowSlot) {
            EXPECT_EQ(table[kOverflowSlot].score, c.total);
            EXPECT_EQ(EncodeRanking(table), EncodeRanking(before)) << "the overflow slot is never written";
        }
    }
}

TEST(RankTable, ATotalBeyondAScoreIsStoredAtItsLimit) {
    RankTable table;
    InsertTotal(table, 0, -100000);
    EXPECT_EQ(table[0].score, -32768);
}

TEST(RankingFile, FortyBytesOfScoresThenNamesLittleEndian) {
    RankTable table = Scores({-36, 26, 99, 0, 5});
    table[1].name = {26, 10, 50};
    const std::vector<std::uint8_t> bytes = EncodeRanking(table);
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(bytes[0], 0xDC);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 26) << "0x1A is written as it is";
    EXPECT_EQ(bytes[10 + 6], 26);
    EXPECT_EQ(bytes[10 + 8], 10) << "0x0A is written without a 0x0D before it";

    RankTable read;
    DecodeRanking(bytes, read);
    for (int q = 0; q < kShownRanks; ++q) EXPECT_EQ(read[q], table[q]) << q;
}

TEST(RankingFile, AFileWrittenThroughTextModeStillReads) {
    RankTable table = Scores({10, 26, 2570, 13, 0});
    table[0].name = {10, 13, 26};
    std::vector<std::uint8_t> translated;
    for (const std::uint8_t b : EncodeRanking(table)) {
        if (b == 0x0A) translated.push_back(0x0D);
        translated.push_back(b);
    }
    ASSERT_GT(translated.size(), 40u);
    RankTable read;
    DecodeRanking(translated, read);
    for (int q = 0; q < kShownRanks; ++q) EXPECT_EQ(read[q], table[q]) << q;
}

TEST(RankingFile, AShortFileLeavesTheRestAsItWas) {
    RankTable table = Scores({1, 2, 3, 4, 5});
    RankTable stored = Scores({-1, -2, -3, -4, -5});
    stored[0].name = {7, 8, 9};
    const std::vector<std::uint8_t> bytes = EncodeRanking(stored);
    DecodeRanking(std::span(bytes).first(13), table);
    EXPECT_EQ(table[4].score, -5);
    EXPECT_EQ(table[0].name[0], 7) << "the first glyph was complete";
    EXPECT_EQ(table[0].name[1], 0) << "half a glyph is not read";
    EXPECT_EQ(table[1].name[0], 1);
}

TEST(RankingFile, AMissingFileIsAnEmptyTableAndTheFirstSaveCreatesIt) {
    test_support::MemoryFiles files;
    RankTable table = Scores({1, 2, 3, 4, 5});
    const RankTable before = table;
    LoadRanking(files, table);
    EXPECT_EQ(table, before);
    ASSERT_TRUE(SaveRanking(files, table));
    EXPECT_EQ(files.files.at(kRankingFile), EncodeRanking(table));
    files.failWrites = true;
    EXPECT_FALSE(SaveRanking(files, table));
}

}  // namespace
}  // namespace minigolf
