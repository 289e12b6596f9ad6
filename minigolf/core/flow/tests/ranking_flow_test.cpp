#include <gtest/gtest.h>

#include "golf_fixture.h"
#include "minigolf/pages/glyphs.h"

namespace minigolf {
namespace {

using test_support::GolfGameTest;

RankTable StoredTable(std::initializer_list<std::int16_t> scores) {
    RankTable table;
    int q = 0;
    for (const std::int16_t score : scores) table[q++] = RankEntry{score, {0, 1, 2}};
    return table;
}

TEST_F(GolfGameTest, StartUpShowsTheRankingAndWaitsEvenWithAStoredScoreOfNinetyNine) {
    StoreRanking(StoredTable({-5, 0, 3, 99, 120}));
    Frame();
    EXPECT_EQ(state().phase, GolfPhase::kWaitForStart);
    EXPECT_EQ(state().rankPos, kNotPlaced);
    EXPECT_EQ(state().sprites[kTitleSprite].visible, 1);
    EXPECT_EQ(state().sprites[kStatusLabelSprite].visible, 0);
    EXPECT_EQ(state().ranking[3].score, 99);
    Frames(5);
    EXPECT_EQ(state().phase, GolfPhase::kWaitForStart);
}

TEST_F(GolfGameTest, AClickStartsAGameAtHoleOne) {
    Frame();
    mouse.Push(0, 1);
    Frame();
    EXPECT_EQ(state().phase, GolfPhase::kHoleIntro);
    EXPECT_EQ(state().hole, 1);
    EXPECT_EQ(state().total, 0);
    EXPECT_EQ(state().sprites[kTitleSprite].visible, 0);
    EXPECT_EQ(state().sprites[kStatusPanelSprite].visible, 1);
}

// A finished game whose total ranks, at the name entry.
class NameEntryTest : public GolfGameTest {
protected:
    void FinishGame(std::int32_t total) {
        state().phase = GolfPhase::kRankingShow;
        state().total = total;
        state().totalToRank = true;
        Frame();
    }
    // Frames up to and including the next one that reads the mouse.
    void InputFrame() { Frames(3); }
};

TEST_F(NameEntryTest, ATotalTyingRankThreeGoesAboveIt) {
    StoreRanking(StoredTable({-5, 0, 3, 8, 20}));
    FinishGame(3);
    ASSERT_EQ(state().phase, GolfPhase::kNameEntry);
    EXPECT_EQ(state().rankPos, 2);
    EXPECT_EQ(state().ranking[3].score, 3);
    EXPECT_EQ(state().ranking[kOverflowSlot].score, 20);
    EXPECT_EQ(state().sprites[kStatusLabelSprite].visible, 1);
}

TEST_F(NameEntryTest, TheEndMarkAsFirstLetterEndsTheEntryAtOnce) {
    StoreRanking(StoredTable({-5, 0, 3, 8, 20}));
    FinishGame(-9);
    mouse.Push(-6, 1);  // A back round to the end mark, and accept it
    InputFrame();
    EXPECT_EQ(state().phase, GolfPhase::kRankingShow);
    EXPECT_EQ(effects.played, std::vector<int>{kPon2Effect});
    RankTable saved;
    DecodeRanking(files.files.at(kRankingFile), saved);
    EXPECT_EQ(saved[0], (RankEntry{-9, {kGlyphEndMark, kGlyphBlank, kGlyphBlank}}));
    EXPECT_EQ(saved[1].score, -5);
    Frame();
    EXPECT_EQ(state().phase, GolfPhase::kWaitForStart) << "the saved total is not ranked again";
    EXPECT_EQ(state().total, 99);
}

TEST_F(NameEntryTest, InputIsTakenOnEveryThirdFrameAndAHeldButtonEntersOneLetterEachTime) {
    FinishGame(-1);
    mouse.idle = MouseReading{0, 1};
    Frames(2);
    EXPECT_EQ(mouse.reads, 0);
    Frame();
    EXPECT_EQ(mouse.reads, 1);
    EXPECT_EQ(state().letterCount, 1);
    Frames(3);
    EXPECT_EQ(state().letterCount, 2);
    Frame();  // the cursor moves on at the start of the frame after a letter
    EXPECT_EQ(state().sprites[kStatusLabelSprite].screenX, 400 + 36);
    Frames(2);
    EXPECT_EQ(state().phase, GolfPhase::kRankingShow);
    RankTable saved;
    DecodeRanking(files.files.at(kRankingFile), saved);
    EXPECT_EQ(saved[0], (RankEntry{-1, {0, 0, 0}}));
}

TEST_F(NameEntryTest, MotionTurnsTheLetterAndWrapsAtBothEnds) {
    FinishGame(-1);
    struct Step {
        std::int32_t dx;
        std::int32_t glyph;
    };
    const Step steps[] = {{12, 1}, {5, 1}, {-6, 0}, {-6, 50}, {6, 0}, {-6, 50}};
    for (const Step& step : steps) {
        mouse.Push(step.dx);
        InputFrame();
        EXPECT_EQ(state().glyph, step.glyph) << step.dx;
    }
    Frame();  // the cursor shows the glyph from the next frame on
    const Sprite& cursor = state().sprites[kStatusLabelSprite];
    EXPECT_EQ(cursor.sheetX, kGlyphX[50]);
    EXPECT_EQ(cursor.sheetY, kGlyphY[50] + 400);
    EXPECT_EQ(cursor.width, 18);
    EXPECT_EQ(effects.played.size(), 5u) << "every change of letter, and only those, sounds";
}

TEST_F(NameEntryTest, ARankInTheOverflowSlotIsEnteredButNeitherShownNorStored) {
    StoreRanking(StoredTable({-5, -4, -3, -2, -1}));
    const auto before = files.files.at(kRankingFile);
    FinishGame(0);  // the overflow slot still holds 0
    ASSERT_EQ(state().rankPos, kOverflowSlot);
    mouse.idle = MouseReading{0, 1};
    Frames(9);
    EXPECT_EQ(state().phase, GolfPhase::kRankingShow);
    EXPECT_EQ(files.files.at(kRankingFile), before);
}

TEST_F(NameEntryTest, ANameThatCannotBeSavedStaysOnTheScreenForThisRun) {
    StoreRanking(StoredTable({-5, 0, 3, 8, 20}));
    files.failWrites = true;
    FinishGame(1);
    mouse.idle = MouseReading{0, 1};
    Frames(10);
    EXPECT_EQ(state().phase, GolfPhase::kWaitForStart);
    EXPECT_EQ(state().ranking[2], (RankEntry{1, {0, 0, 0}}));
}

TEST_F(NameEntryTest, TheRankingScreenShowsScoresAndNamesInGlyphs) {
    StoreRanking(StoredTable({-5, 0, 3, 8, 20}));
    FinishGame(-12);
    const Page& bg = game.Pages().background;
    const Page& font = game.Pages().sheet;
    auto glyphAt = [&](int glyph, int x, int y) {
        for (int dy = 0; dy < 18; ++dy) {
            for (int dx = 0; dx < 18; ++dx) {
                if (bg.At(x + dx, y + dy) != font.At(kGlyphX[static_cast<std::size_t>(glyph)] + dx,
                                                     kGlyphY[static_cast<std::size_t>(glyph)] + 400 + dy)) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(glyphAt(18, 200, 80)) << "S of the title";
    EXPECT_TRUE(glyphAt(27, 150, 150)) << "rank 1";
    EXPECT_FALSE(glyphAt(kGlyphMinus, 250, 150)) << "the slot being entered shows no score";
    EXPECT_TRUE(glyphAt(kGlyphMinus, 250, 190)) << "old rank 1 now second: -5";
    EXPECT_TRUE(glyphAt(26 + 5, 288, 190));
    EXPECT_TRUE(glyphAt(kGlyphPlus, 250, 230));
    EXPECT_TRUE(glyphAt(1, 418, 230)) << "second letter of its name";
    EXPECT_TRUE(glyphAt(13, 250, 380)) << "N of NAME ENTRY";
    EXPECT_TRUE(glyphAt(kGlyphMinus, 250, 420));
    EXPECT_TRUE(glyphAt(26 + 1, 270, 420));
    EXPECT_TRUE(glyphAt(26 + 2, 288, 420));
    EXPECT_EQ(presenter.shown.At(0, 470), bg.At(0, 470)) << "the screen shows the background";
}

}  // namespace
}  // namespace minigolf
