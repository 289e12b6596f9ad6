#include "tools/minigolf-course-check/shot_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/minigolf-course-check/player_shots.h"

namespace minigolf::course_check {
namespace {

int Tenths(double power) { return static_cast<int>(std::lround(power * 10.0)); }

int AimsOffering(const std::vector<Stroke>& choices, double power) {
    return static_cast<int>(std::count_if(choices.begin(), choices.end(),
                                          [&](const Stroke& s) { return Tenths(s.power) == Tenths(power); }));
}

TEST(StrokeChoices, WholeStepsAtEveryAimWhenNoPowerIsCarried) {
    const std::vector<Stroke> choices = StrokeChoices(Ball{100.0, 100.0, 3, 0.0});
    EXPECT_EQ(choices.size(), 160u);
    for (int power = 0; power <= 9; ++power) EXPECT_EQ(AimsOffering(choices, power), 16) << power;
}

// After slow ground the gauge runs 0.8, 1.8, … from the carried −0.2 before it wraps; the aim
// turns one step a frame meanwhile, so the early powers reach only aims near the last direction.
TEST(StrokeChoices, CarriedPowerReachesOnlyAsFarAsTheAimCanTurn) {
    const std::vector<Stroke> choices = StrokeChoices(Ball{100.0, 100.0, 4, -0.2});
    struct Case {
        double power;
        int aims;
    };
    for (const Case c : {Case{-0.2, 1}, Case{0.8, 3}, Case{4.8, 11}, Case{7.8, 16}, Case{8.8, 16}, Case{1.0, 16},
                         Case{9.0, 16}, Case{0.0, 16}}) {
        EXPECT_EQ(AimsOffering(choices, c.power), c.aims) << c.power;
    }
    const auto clickAtOnce = std::find_if(choices.begin(), choices.end(), [](const Stroke& s) { return s.power < 0; });
    ASSERT_NE(clickAtOnce, choices.end());
    EXPECT_EQ(clickAtOnce->dir, 4);
}

// An open green closed by the screen's edges, the cup on the start's row.
CourseMap Green(int cupColumn, double startX) {
    CourseMap course;
    course.tiles = {};
    course.grid = {};
    course.par = 3;
    course.startX = startX;
    course.startY = 192.0;
    WriteTileCells(course.grid, 12, cupColumn, kCup);
    return course;
}

// Walls are no proof against a ball (a diagonal one slips between the probes), so the green
// that cannot be holed has no cup at all.
CourseMap GreenWithoutCup() {
    CourseMap course = Green(30, 100.0);
    course.grid = {};
    return course;
}

// Replays the sequence as a player would: each stroke must be one the gauge and aim offer from
// where the ball lies, and only the last may hole the ball.
void ExpectPlayable(const CourseMap& course, const std::vector<Stroke>& strokes) {
    Ball rest{course.startX, course.startY, 0, 0.0};
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const std::vector<Stroke> offered = StrokeChoices(rest);
        EXPECT_TRUE(std::any_of(offered.begin(), offered.end(), [&](const Stroke& s) {
            return s.dir == strokes[i].dir && s.power == strokes[i].power;
        })) << "stroke " << i;
        const std::optional<ShotEnd> end = PlayStroke(course.grid, rest, strokes[i]);
        ASSERT_TRUE(end.has_value());
        EXPECT_EQ(end->holed, i + 1 == strokes.size()) << "stroke " << i;
        rest = end->rest;
    }
}

TEST(FindFewestStrokes, FindsTheFewestAndSaysWhetherItTriedEverything) {
    struct Case {
        const char* name;
        CourseMap course;
        SearchLimits limits;
        std::size_t best;
        bool exhaustive;
        bool allWaysCounted;
    };
    const Case cases[] = {
        {"power 9 straight right holes after twenty frames", Green(16, 100.0), {}, 1, true, true},
        {"the cup lies beyond the longest roll", Green(37, 16.0), {}, 2, true, true},
        {"a cut on the winning stroke count keeps the fewest", Green(37, 16.0), {3, 1}, 2, true, false},
        {"no cup: every sequence up to the limit tried", GreenWithoutCup(), {2, 2000}, 0, true, true},
        {"a cut before the limit leaves it unproven", GreenWithoutCup(), {3, 1}, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchResult result = FindFewestStrokes(c.course, c.limits);
        EXPECT_EQ(result.best.size(), c.best);
        EXPECT_EQ(result.exhaustive, c.exhaustive);
        EXPECT_EQ(result.allWaysCounted, c.allWaysCounted);
        EXPECT_EQ(result.firstStrokes, 160u);
        if (c.best == 0) continue;
        EXPECT_GE(result.finishingShots, 1u);
        EXPECT_GE(result.firstStrokesToBest, 1u);
        ExpectPlayable(c.course, result.best);
    }
}

}  // namespace
}  // namespace minigolf::course_check
