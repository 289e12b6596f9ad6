#include "pelta/scores/high_score_insert.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace pelta {
namespace {

HighScoreTable WithEasyScores(std::initializer_list<std::int32_t> scores) {
    HighScoreTable t{};
    for (std::int32_t s : scores) {
        HighScoreEntry& e = t[0].entries[t[0].count++];
        e.score = s;
        e.name = "p" + std::to_string(s);
    }
    return t;
}

std::vector<std::int32_t> Scores(const HighScoreLevelTable& t) {
    std::vector<std::int32_t> v;
    for (int i = 0; i < t.count; ++i) v.push_back(t.entries[i].score);
    return v;
}

std::vector<int> Ranks(const HighScoreLevelTable& t) {
    std::vector<int> v;
    for (int i = 0; i < t.count; ++i) v.push_back(t.entries[i].rank);
    return v;
}

const std::initializer_list<std::int32_t> kTenScores = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};

TEST(HighScoreInsert, PlacesScoresAndRanksDensely) {
    struct Case {
        const char* what;
        std::initializer_list<std::int32_t> before;
        std::int32_t score;
        std::optional<int> pos;
        std::vector<std::int32_t> after;
        std::vector<int> ranks;
    };
    const Case cases[] = {
        {"ties the lowest of ten", kTenScores, 100, std::nullopt,
         {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, {}},
        {"beats the lowest of ten", kTenScores, 101, 9,
         {1000, 900, 800, 700, 600, 500, 400, 300, 200, 101}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"beats them all", kTenScores, 1001, 0,
         {1001, 1000, 900, 800, 700, 600, 500, 400, 300, 200}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"ties go after the stored scores", {500, 500, 300}, 500, 2, {500, 500, 500, 300}, {1, 1, 1, 2}},
        {"score 0 never enters", {}, 0, std::nullopt, {}, {}},
        {"negative score never enters", {10}, -5, std::nullopt, {10}, {}},
        {"first entry", {}, 1, 0, {1}, {1}},
        {"lowest of a short table", {300, 200}, 100, 2, {300, 200, 100}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        HighScoreTable t = WithEasyScores(c.before);
        const HighScoreTable original = t;
        EXPECT_EQ(HighScorePosition(t[0], c.score), c.pos) << c.what;
        EXPECT_EQ(InsertHighScore(t, 0, FinishedGame{.score = c.score}), c.pos) << c.what;
        EXPECT_EQ(Scores(t[0]), c.after) << c.what;
        if (c.pos) {
            EXPECT_EQ(Ranks(t[0]), c.ranks) << c.what;
        } else {
            EXPECT_EQ(t, original) << c.what;
        }
    }
}

TEST(HighScoreInsert, FillsTheNewEntryAndMovesWholeEntriesDown) {
    HighScoreTable t = WithEasyScores(kTenScores);
    FinishedGame game{.score = 650, .maxCombo = 17, .key = 1295, .counts = {1, 2, 3, 4, 5, 6, 7}};
    ASSERT_EQ(InsertHighScore(t, 0, game), 4);
    const HighScoreEntry& e = t[0].entries[4];
    EXPECT_EQ(e.name, "");
    EXPECT_EQ(e.key, 1295 & 0xFF);
    EXPECT_EQ(e.maxCombo, 17);
    EXPECT_EQ(e.counts, game.counts);
    EXPECT_EQ(e.rank, 5);
    EXPECT_EQ(t[0].entries[5].name, "p600");
    EXPECT_EQ(t[0].entries[9].name, "p200");
    EXPECT_EQ(t[0].entries[10].name, "p100");  // pushed out into the scratch slot
    EXPECT_EQ(t[0].count, 10);
}

TEST(HighScoreInsert, TouchesOnlyItsOwnLevelAndNeverPractice) {
    HighScoreTable t{};
    EXPECT_EQ(InsertHighScore(t, 3, FinishedGame{.score = 5}), 0);
    EXPECT_EQ(t[3].count, 1);
    EXPECT_EQ(t[0].count + t[1].count + t[2].count, 0);
    const HighScoreTable before = t;
    EXPECT_FALSE(InsertHighScore(t, static_cast<int>(Level::Practice), FinishedGame{.score = 5}));
    EXPECT_FALSE(InsertHighScore(t, -1, FinishedGame{.score = 5}));
    EXPECT_EQ(t, before);
}

}  // namespace
}  // namespace pelta
