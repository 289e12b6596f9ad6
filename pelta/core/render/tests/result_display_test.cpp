#include "pelta/render/result_display.h"

#include <gtest/gtest.h>

#include "pelta/render/testing/recording_canvas.h"

namespace pelta {
namespace {

std::vector<CanvasOp> Small(std::vector<std::pair<int, int>> digitsAtX, int y) {
    std::vector<CanvasOp> ops;
    for (auto [digit, x] : digitsAtX) ops.push_back(BlitOp(59 + digit, x, y, 7, 10));
    return ops;
}

TEST(DrawComboAndPoints, ComboDigitsRightAligned) {
    struct Case {
        std::int32_t combo;
        std::vector<CanvasOp> expected;
    };
    const CanvasOp label = BlitOp(57, 586, 33, 65, 13);
    auto withLabel = [&](std::vector<CanvasOp> digits) {
        digits.insert(digits.begin(), label);
        return digits;
    };
    const Case cases[] = {
        {0, {BlitOp(69, 560, 33, 65, 13)}},
        {-1, {BlitOp(69, 560, 33, 65, 13)}},
        {7, withLabel(Small({{7, 576}}, 33))},
        {123, withLabel(Small({{3, 576}, {2, 568}, {1, 560}}, 33))},
        {1000, withLabel(Small({{0, 576}, {0, 568}, {0, 560}, {1, 552}}, 33))},
        // Beyond four places the display tops out.
        {123456, withLabel(Small({{9, 576}, {9, 568}, {9, 560}, {9, 552}}, 33))},
    };
    for (const Case& c : cases) {
        GameState s;
        s.resultShown = 1;
        s.combo = c.combo;
        RecordingCanvas canvas;
        DrawComboAndPoints(s, canvas);
        EXPECT_EQ(canvas.Ops(), c.expected) << "combo " << c.combo;
    }
}

TEST(DrawComboAndPoints, PointsWithPlusBeforeTheLeadingDigit) {
    struct Case {
        std::int32_t points;
        std::vector<std::pair<int, int>> digits;
        int plusX;  // 0: nothing drawn
    };
    const Case cases[] = {
        {0, {}, 0},
        {5, {{5, 618}}, 610},
        {20, {{0, 618}, {2, 610}}, 602},
        {112, {{2, 618}, {1, 610}, {1, 602}}, 594},
        {1234, {{4, 618}, {3, 610}, {2, 602}, {1, 594}}, 582},
        {56789, {{9, 618}, {8, 610}, {7, 602}, {6, 594}, {5, 582}}, 570},
        {123456, {{9, 618}, {9, 610}, {9, 602}, {9, 594}, {9, 582}}, 570},
    };
    for (const Case& c : cases) {
        GameState s;
        s.resultShown = 1;
        s.combo = 0;
        s.points = c.points;
        RecordingCanvas canvas;
        DrawComboAndPoints(s, canvas);
        std::vector<CanvasOp> expected = {BlitOp(69, 560, 33, 65, 13)};
        for (const CanvasOp& op : Small(c.digits, 63)) expected.push_back(op);
        if (c.plusX) expected.push_back(BlitOp(58, c.plusX, 63, 7, 10));
        EXPECT_EQ(canvas.Ops(), expected) << "points " << c.points;
    }
}

TEST(ResultDisplays, DrawNothingWhileNoResultIsShown) {
    GameState s;
    s.result = PitchResult::Hit;
    s.combo = 3;
    s.points = 60;
    RecordingCanvas canvas;
    ShowResultLabel(s, canvas);
    DrawComboAndPoints(s, canvas);
    EXPECT_TRUE(canvas.Ops().empty());
    EXPECT_EQ(s.blinkOn, 0);
}

TEST(ShowResultLabel, PerfectHomeRunCyclesColoursAndNeverBlanks) {
    GameState s;
    s.resultShown = 1;
    s.result = PitchResult::PerfectHomeRun;
    RecordingCanvas canvas;
    for (int frame = 0; frame < 15; ++frame) ShowResultLabel(s, canvas);
    ASSERT_EQ(canvas.Ops().size(), 15u);
    for (int frame = 0; frame < 15; ++frame)
        EXPECT_EQ(canvas.Ops()[frame], BlitOp(50 + frame % 7, 560, 48, 65, 13)) << "frame " << frame;
    EXPECT_EQ(s.rainbowIndex, 15 % 7);
}

TEST(ShowResultLabel, OtherResultsBlinkEveryFrame) {
    struct Case {
        PitchResult result;
        int label;
    };
    const Case cases[] = {{PitchResult::HomeRun, 54}, {PitchResult::CleanHit, 45}, {PitchResult::Hit, 46},
                          {PitchResult::WeakHit, 47}, {PitchResult::SwingMiss, 48}, {PitchResult::Watched, 49}};
    for (const Case& c : cases) {
        GameState s;
        s.resultShown = 1;
        s.result = c.result;
        RecordingCanvas canvas;
        for (int frame = 0; frame < 4; ++frame) ShowResultLabel(s, canvas);
        const CanvasOp label = BlitOp(c.label, 560, 48, 65, 13), blank = BlitOp(69, 560, 48, 65, 13);
        EXPECT_EQ(canvas.Ops(), (std::vector{label, blank, label, blank})) << static_cast<int>(c.result);
    }
}

}  // namespace
}  // namespace pelta
