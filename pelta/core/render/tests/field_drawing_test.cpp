#include "pelta/render/field_drawing.h"

#include <gtest/gtest.h>

#include "pelta/render/testing/recording_canvas.h"

namespace pelta {
namespace {

TEST(DrawScore, ShowsSevenDigitsWithLeadingZerosAndClamps) {
    struct Case {
        std::int32_t score;
        std::int32_t shown;
        std::array<int, 7> digits;
    };
    const Case cases[] = {
        {12345, 12345, {0, 0, 1, 2, 3, 4, 5}},
        {0, 0, {0, 0, 0, 0, 0, 0, 0}},
        {9'999'999, 9'999'999, {9, 9, 9, 9, 9, 9, 9}},
        {10'000'000, 9'999'999, {9, 9, 9, 9, 9, 9, 9}},
    };
    for (const Case& c : cases) {
        GameState s;
        s.score = c.score;
        RecordingCanvas canvas;
        DrawScore(s, canvas);
        EXPECT_EQ(s.score, c.shown);
        std::vector<CanvasOp> expected = {BlitOp(71, 475, 6, 32, 10)};
        for (int i = 0; i < 7; ++i) expected.push_back(BlitOp(35 + c.digits[i], 515 + 16 * i, 5, 15, 22));
        EXPECT_EQ(canvas.Ops(), expected) << "score " << c.score;
    }
}

TEST(DrawLives, EmptiesBatsFromTheLeft) {
    constexpr int E = 26, F = 27, H = 28;
    struct Case {
        std::int32_t lives;
        std::array<int, 6> icons;
    };
    const Case cases[] = {
        {12, {F, F, F, F, F, F}}, {11, {H, F, F, F, F, F}}, {5, {E, E, E, H, F, F}},
        {2, {E, E, E, E, E, F}},  {1, {E, E, E, E, E, H}},  {0, {E, E, E, E, E, E}},
        {-3, {E, E, E, E, E, E}},
    };
    for (const Case& c : cases) {
        GameState s;
        s.lives = c.lives;
        RecordingCanvas canvas;
        DrawLives(s, canvas);
        std::vector<CanvasOp> expected;
        for (int i = 0; i < 6; ++i) expected.push_back(BlitOp(c.icons[i], 510 + 18 * i, 150, 17, 23));
        EXPECT_EQ(canvas.Ops(), expected) << "lives " << c.lives;
    }
}

TEST(DrawLevelLabel, ShowsTheLevelOutsidePracticeOnly) {
    GameState s;
    s.level = Level::Trick;
    RecordingCanvas canvas;
    DrawLevelLabel(s, canvas);
    EXPECT_EQ(canvas.Ops(), std::vector{BlitOp(74, 375, 6, 83, 10)});

    for (auto [level, mode] : {std::pair{Level::Practice, kPractice}, std::pair{Level::Normal, kContinuousPractice}}) {
        canvas.Clear();
        s.level = level;
        s.practiceMode = mode;
        DrawLevelLabel(s, canvas);
        EXPECT_TRUE(canvas.Ops().empty());
    }
}

TEST(DrawBall, TruncatesTowardZeroAndRemembersWhereItDrew) {
    GameState s;
    s.x = 123.9f;
    s.y = 99.5f;
    s.ballSprite = 70;
    RecordingCanvas canvas;
    DrawBall(s, canvas);
    DrawBallAt(s, canvas, -10.7f, 90.2f);
    EraseBall(s, canvas);
    EXPECT_EQ(canvas.Ops(), (std::vector{BlitOp(70, 123, 99, 6, 6), BlitOp(70, -10, 90, 6, 6), BlitOp(22, -10, 90, 6, 6)}));
    EXPECT_EQ(s.x, 123.9f);  // a shifted image leaves the true position alone
}

TEST(DrawField, PaintsTheSceneInOrder) {
    GameState s;
    s.pitcherFrame = 3;
    s.batterFrame = 14;
    RecordingCanvas canvas;
    DrawField(s, canvas);
    const std::vector<CanvasOp> scene = {
        FillOp(0, 0, 640, 125, kSkyColour),    FillOp(0, 125, 640, 200, kGroundColour),
        BlitOp(23, -15, 140, 80, 20),          BlitOp(23, 200, 145, 80, 20),
        BlitOp(23, 400, 130, 80, 20),          BlitOp(25, 20, 5, 48, 48),
        BlitOp(24, 190, 10, 80, 40),           BlitOp(24, 100, 30, 80, 40),
        BlitOp(24, 450, 40, 80, 40),           BlitOp(3, 10, 75, 114, 65),
        BlitOp(14, 550, 75, 70, 65),
    };
    const auto& ops = canvas.Ops();
    ASSERT_GT(ops.size(), scene.size());
    EXPECT_EQ(std::vector(ops.begin(), ops.begin() + scene.size()), scene);
    // Then the status area, and the caption last; no figures while no result is shown.
    EXPECT_EQ(canvas.BlitsOf(26).size(), 6u);
    EXPECT_EQ(canvas.BlitsOf(72).size(), 1u);
    EXPECT_EQ(canvas.BlitsOf(71).size(), 1u);
    EXPECT_TRUE(canvas.BlitsOf(69).empty());
    EXPECT_EQ(ops.back(), TextOp(5, 165, kStartPrompt, kCaptionColour, kGroundColour));
}

}  // namespace
}  // namespace pelta
