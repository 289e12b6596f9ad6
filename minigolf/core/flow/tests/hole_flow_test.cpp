#include <gtest/gtest.h>

#include "golf_fixture.h"
#include "minigolf/flow/frame_gate.h"
#include "minigolf/flow/result_words.h"

namespace minigolf {
namespace {

using test_support::CourseBytes;
using test_support::GolfGameTest;

TEST(FrameDue, RunsOnlyMoreThanFiftyMillisecondsAfterTheLastFrameEvenAcrossTheWrap) {
    struct Case {
        std::uint32_t last, now;
        bool due;
    };
    const Case cases[] = {
        {1000, 1050, false}, {1000, 1051, true}, {0xFFFFFFF0u, 0x30, true}, {0xFFFFFFF0u, 0x20, false},
        {0, 51, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.last << " → " << c.now);
        std::uint32_t last = c.last;
        EXPECT_EQ(FrameDue(c.now, last), c.due);
        EXPECT_EQ(last, c.due ? c.now : c.last);
    }
}

TEST(ResultWordIndex, ByStrokesAgainstPar) {
    struct Case {
        std::int32_t strokes, par;
        int word;
    };
    const Case cases[] = {{1, 3, 0}, {1, 1, 0}, {2, 5, 1}, {2, 4, 2}, {3, 4, 3}, {4, 4, 4},
                          {5, 4, 5}, {6, 4, 6}, {7, 4, 7}, {8, 4, 8}, {9, 4, 8}, {2, 7, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(ResultWordIndex(c.strokes, c.par), c.word) << c.strokes << " on par " << c.par;
    }
}

TEST_F(GolfGameTest, HoleOutShowsTheWordPlaysTheSoundsAndAddsToTheTotal) {
    struct Case {
        std::int32_t strokes, par, totalBefore;
        int word;
        int sound;
        std::int32_t totalAfter;
        std::int32_t signSheetY;  // 0: sign hidden
    };
    const Case cases[] = {
        {1, 3, 0, 0, kNiceEffect, -2, 32},
        {9, 4, 0, 8, kBogiEffect, 5, 16},
        {4, 4, 0, 4, kParEffect, 0, 0},
        {99, 2, 50, 8, kBogiEffect, 99, 16},
        {2, 7, -30, 1, kNiceEffect, -35, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.strokes << " on par " << c.par);
        state().phase = GolfPhase::kHoleOut;
        state().holeOutFrames = 0;
        state().strokes = c.strokes;
        state().course.par = c.par;
        state().total = c.totalBefore;
        state().hole = 4;
        effects.played.clear();
        Frame();
        const Sprite& banner = state().sprites[kWordBannerSprite];
        const SheetWord& word = kResultWords[static_cast<std::size_t>(c.word)];
        EXPECT_EQ(banner.sheetX, word.sheetX);
        EXPECT_EQ(banner.sheetY, word.sheetY);
        EXPECT_EQ(banner.width, word.width);
        EXPECT_EQ(banner.screenX, 320 - word.width / 2);
        EXPECT_EQ(effects.played, (std::vector<int>{kCupInEffect, c.sound}));
        EXPECT_EQ(state().total, c.totalAfter);
        const Sprite& sign = state().sprites[kTotalSignSprite];
        EXPECT_EQ(sign.visible, c.signSheetY != 0 ? 1 : 0);
        if (c.signSheetY != 0) {
            EXPECT_EQ(sign.sheetY, c.signSheetY);
        }
        const int size = c.totalAfter < 0 ? -c.totalAfter : c.totalAfter;
        EXPECT_EQ(state().sprites[kTotalUnitsSprite].sheetX, 32 * (size % 10) + 32);
        EXPECT_EQ(state().sprites[kTotalTensSprite].sheetX, 32 * (size / 10 % 10) + 32);
        Frames(40);
        EXPECT_EQ(state().phase, GolfPhase::kHoleIntro);
        EXPECT_EQ(state().hole, 5);
        EXPECT_EQ(banner.visible, 0);
    }
}

TEST_F(GolfGameTest, AfterTheNinthHoleComeTheBannerAndTheRanking) {
    state().phase = GolfPhase::kHoleOut;
    state().hole = 9;
    state().total = -4;
    Frames(41);
    EXPECT_EQ(state().phase, GolfPhase::kFinalBanner);
    EXPECT_EQ(state().hole, 10);
    Frame();
    EXPECT_EQ(state().sprites[kWordBannerSprite].screenX, 220);
    EXPECT_EQ(state().sprites[kWordBannerSprite].sheetY, 192);
    Frames(40);
    EXPECT_EQ(state().phase, GolfPhase::kRankingShow);
    Frame();
    EXPECT_EQ(state().phase, GolfPhase::kNameEntry) << "-4 beats an empty table of zeros";
    EXPECT_EQ(state().rankPos, 0);
}

// A hole whose start sits on a cup large enough to roll a little on.
class HoleTest : public GolfGameTest {
protected:
    HoleTest() {
        CourseBytes course;
        for (int r = 8; r < 14; ++r) {
            for (int c = 8; c < 14; ++c) course.Tile(r, c, kCup);
        }
        files.files["cource01.dat"] = course.Par(3).Start(168.0, 168.0).bytes;
        files.files["cource02.dat"] = CourseBytes{}.Par(4).Start(300.0, 200.0).bytes;
        RunUntil(GolfPhase::kWaitForStart);
        mouse.Push(0, 1);
    }
};

TEST_F(HoleTest, TheHoleStartLoadsTheCourseAndShowsHoleAndParForFortyOneFrames) {
    Frame();
    ASSERT_EQ(state().phase, GolfPhase::kHoleIntro);
    effects.played.clear();
    Frame();
    EXPECT_EQ(effects.played, std::vector<int>{kPon2Effect});
    EXPECT_EQ(state().ball.x, 168.0);
    EXPECT_EQ(state().course.par, 3);
    const SpriteTable& s = state().sprites;
    EXPECT_EQ(s[kBallSprite].visible, 0);
    EXPECT_EQ(s[kWordBannerSprite].screenX, 230);
    EXPECT_EQ(s[kWordBannerSprite].sheetX, 110);
    EXPECT_EQ(s[kHoleUnitsLargeSprite].sheetX, 112 + 32);
    EXPECT_EQ(s[kStrokeUnitsLargeSprite].sheetX, 112 + 96) << "par 3";
    EXPECT_EQ(s[kHoleUnitsSmallSprite].sheetX, 32 + 32);
    EXPECT_EQ(presenter.shown.At(8 * 16 + 5, 8 * 16 + 5), game.Pages().sheet.At(15 * 16 + 5, 5))
        << "the cup tile is on the screen";
    Frames(40);
    EXPECT_EQ(state().phase, GolfPhase::kStrokeShow);
    EXPECT_EQ(s[kBallSprite].visible, 1);
    EXPECT_EQ(s[kHoleLabelSprite].visible, 0);
}

TEST_F(HoleTest, AHoleInOneOnParThree) {
    RunUntil(GolfPhase::kAim);
    EXPECT_EQ(state().strokes, 1);
    mouse.Push(0);     // power 1
    mouse.Push(0, 1);  // shoot
    effects.played.clear();
    RunUntil(GolfPhase::kHoleOut, 10);
    EXPECT_EQ(state().strokes, 1);
    Frame();
    EXPECT_EQ(state().sprites[kWordBannerSprite].sheetX, kResultWords[0].sheetX);
    EXPECT_EQ(effects.played, (std::vector<int>{kCupInEffect, kNiceEffect}));
    EXPECT_EQ(state().total, -2);
    RunUntil(GolfPhase::kHoleIntro);
    EXPECT_EQ(state().hole, 2);
}

TEST_F(HoleTest, TheStrokeDisplayShowsTheStrokeForThirtyOneFrames) {
    RunUntil(GolfPhase::kStrokeShow);
    state().strokes = 123;
    state().strokeShowFrames = 0;
    Frame();
    const SpriteTable& s = state().sprites;
    EXPECT_EQ(state().strokes, 99);
    EXPECT_EQ(s[kStrokeLabelSprite].visible, 1);
    EXPECT_EQ(s[kStrokeTensLargeSprite].sheetX, 112 + 9 * 32);
    EXPECT_EQ(s[kStrokeUnitsSmallSprite].sheetX, 32 + 9 * 32);
    Frames(29);
    EXPECT_EQ(state().phase, GolfPhase::kStrokeShow);
    Frame();
    EXPECT_EQ(state().phase, GolfPhase::kAim);
    EXPECT_EQ(s[kStrokeLabelSprite].visible, 0);
}

TEST_F(HoleTest, HoldingTheButtonThroughTheStrokeDisplayShootsAtPowerZero) {
    mouse.idle = MouseReading{0, 1};
    RunUntil(GolfPhase::kAim);
    Frame();
    EXPECT_EQ(state().phase, GolfPhase::kRolling);
    Frame();
    EXPECT_EQ(state().strokes, 2);
    EXPECT_EQ(state().phase, GolfPhase::kHoleOut) << "stopped on the cup";
}

TEST_F(HoleTest, AMissingCourseEndsTheGameWithAMessage) {
    files.files.erase("cource01.dat");
    Frame();
    Frame();
    ASSERT_TRUE(game.Failure());
    EXPECT_NE(game.Failure()->find("cource01.dat"), std::string::npos);
    EXPECT_FALSE(game.RunFrame(now += 51));
}

TEST_F(HoleTest, RestoringTheSurfacesRedrawsTheCourse) {
    RunUntil(GolfPhase::kAim);
    const Page background = game.Pages().background;
    game.Pages().background.Fill(0);
    game.Pages().sheet.Fill(0);
    ASSERT_TRUE(game.RestoreSurfaces());
    EXPECT_EQ(game.Pages().background, background);
    EXPECT_EQ(presenter.shown, background);
    EXPECT_EQ(game.Pages().Back(), background);
}

TEST_F(GolfGameTest, FramesFiftyMillisecondsApartDoNothing) {
    ASSERT_TRUE(game.RunFrame(100));
    const int presents = presenter.presents;
    EXPECT_FALSE(game.RunFrame(150));
    EXPECT_EQ(presenter.presents, presents);
    EXPECT_TRUE(game.RunFrame(151));
}

}  // namespace
}  // namespace minigolf
