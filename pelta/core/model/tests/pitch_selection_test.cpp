#include "pelta/model/pitch_selection.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace pelta {
namespace {

// How a level draws one category: r(n), and the value each draw maps to (past the end: 0).
// n = 0: the category is not drawn at all.
struct CategoryDraw {
    int n;
    std::vector<int> values;
};

struct LevelTable {
    Level level;
    CategoryDraw speed, small, clone, stop, warp, vertical;
};

const LevelTable kLevels[] = {
    {Level::Easy, {5, {1, 3, 5}}, {0, {}}, {3, {1}}, {3, {1}}, {0, {}}, {0, {}}},
    {Level::Normal, {6, {1, 2, 3, 4, 5}}, {0, {}}, {6, {1, 2}}, {5, {1, 2}}, {5, {1}}, {6, {1}}},
    {Level::Trick, {7, {1, 2, 3, 4, 5, 6}}, {0, {}}, {6, {1, 2, 3}}, {6, {1, 2, 3, 5}}, {7, {1, 2}}, {7, {1, 2}}},
    {Level::AnoMani, {7, {1, 2, 3, 4, 5, 6}}, {6, {1}}, {6, {1, 2, 3}}, {8, {1, 2, 3, 4, 5, 6}}, {6, {1, 2, 3}},
     {6, {1, 2, 3}}},
};

int Expected(const CategoryDraw& c, const std::vector<int>& raw, std::size_t& next) {
    if (c.n == 0) return 0;
    const int draw = raw[next++] % c.n;
    return draw < static_cast<int>(c.values.size()) ? c.values[draw] : 0;
}

std::array<int, 6> Values(const PitchSpec& p) {
    return {static_cast<int>(p.speed), static_cast<int>(p.small), static_cast<int>(p.clone),
            static_cast<int>(p.stop),  static_cast<int>(p.warp),  static_cast<int>(p.vertical)};
}

// Replays many raw rand() sequences through SelectPitch and checks each category against
// the level's table, the draw order (speed, small, clone, stop, warp, vertical) and the
// number of draws.
TEST(SelectPitch, FollowsEachLevelsTableInDrawOrder) {
    LcgRandom source(12345);
    for (const LevelTable& t : kLevels) {
        const CategoryDraw* order[] = {&t.speed, &t.small, &t.clone, &t.stop, &t.warp, &t.vertical};
        for (int trial = 0; trial < 4000; ++trial) {
            std::vector<int> raw;
            for (const CategoryDraw* c : order)
                if (c->n) raw.push_back(source.Rand());
            ScriptedRandom scripted;
            for (int v : raw) scripted.Push(v);

            const PitchSpec pitch = SelectPitch(t.level, scripted);

            std::size_t next = 0;
            std::array<int, 6> expected{};
            for (std::size_t i = 0; i < 6; ++i) expected[i] = Expected(*order[i], raw, next);
            ASSERT_EQ(Values(pitch), expected) << "level " << static_cast<int>(t.level) << " trial " << trial;
            ASSERT_EQ(scripted.Remaining(), 0u);
        }
    }
}

// The catalogue values each level can produce at all, per category, including None.
TEST(SelectPitch, ProducesExactlyTheValuesItsLevelAllows) {
    struct Case {
        Level level;
        std::array<std::set<int>, 6> allowed;
    };
    const Case cases[] = {
        {Level::Easy, {{{0, 1, 3, 5}, {0}, {0, 1}, {0, 1}, {0}, {0}}}},
        {Level::Normal, {{{0, 1, 2, 3, 4, 5}, {0}, {0, 1, 2}, {0, 1, 2}, {0, 1}, {0, 1}}}},
        {Level::Trick, {{{0, 1, 2, 3, 4, 5, 6}, {0}, {0, 1, 2, 3}, {0, 1, 2, 3, 5}, {0, 1, 2}, {0, 1, 2}}}},
        {Level::AnoMani,
         {{{0, 1, 2, 3, 4, 5, 6}, {0, 1}, {0, 1, 2, 3}, {0, 1, 2, 3, 4, 5, 6}, {0, 1, 2, 3}, {0, 1, 2, 3}}}},
    };
    for (const Case& c : cases) {
        LcgRandom random(7);
        std::array<std::set<int>, 6> seen;
        for (int i = 0; i < 5000; ++i) {
            const auto v = Values(SelectPitch(c.level, random));
            for (std::size_t k = 0; k < 6; ++k) seen[k].insert(v[k]);
        }
        EXPECT_EQ(seen, c.allowed) << "level " << static_cast<int>(c.level);
    }
}

TEST(DrawPitchRun, DrawsInOrderAndKeepsStopPointsAscending) {
    struct Case {
        std::vector<int> raw;  // stopDuration x2, stopPoint x2, warpPoint, warpDistance
        PitchRun expected;
    };
    const Case cases[] = {
        {{0, 39, 0, 199, 0, 0}, {{10, 49}, {150, 349}, 150, 100}},
        // Second stop point drawn smaller: the two are swapped.
        {{40, 81, 199, 5, 99, 49}, {{10, 11}, {155, 349}, 249, 149}},
        {{3, 3, 50, 50, 100, 50}, {{13, 13}, {200, 200}, 150, 100}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;
        for (int v : c.raw) random.Push(v);
        const PitchRun run = DrawPitchRun(random);
        EXPECT_EQ(run.stopDuration, c.expected.stopDuration);
        EXPECT_EQ(run.stopPoint, c.expected.stopPoint);
        EXPECT_EQ(run.warpPoint, c.expected.warpPoint);
        EXPECT_EQ(run.warpDistance, c.expected.warpDistance);
        EXPECT_EQ(random.Remaining(), 0u);
    }
}

TEST(DrawPitchRun, StaysInRangeOverManyDraws) {
    LcgRandom random(99);
    for (int i = 0; i < 10000; ++i) {
        const PitchRun run = DrawPitchRun(random);
        for (int k = 0; k < 2; ++k) {
            ASSERT_GE(run.stopDuration[k], 10);
            ASSERT_LE(run.stopDuration[k], 49);
            ASSERT_GE(run.stopPoint[k], 150);
            ASSERT_LE(run.stopPoint[k], 349);
        }
        ASSERT_LE(run.stopPoint[0], run.stopPoint[1]);
        ASSERT_GE(run.warpPoint, 150);
        ASSERT_LE(run.warpPoint, 249);
        ASSERT_GE(run.warpDistance, 100);
        ASSERT_LE(run.warpDistance, 149);
    }
}

}  // namespace
}  // namespace pelta
