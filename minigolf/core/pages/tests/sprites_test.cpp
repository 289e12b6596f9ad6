#include "minigolf/pages/sprites.h"

#include <gtest/gtest.h>

#include "minigolf/pages/glyphs.h"
#include "minigolf/testing/recording_presenter.h"

namespace minigolf {
namespace {

class SpritesTest : public ::testing::Test {
protected:
    SpritesTest() {
        surfaces.sheet.Fill(9);
        surfaces.background.Fill(1);
        ShowBackground(surfaces);
        table[kBallSprite] = Sprite{.sheetX = 0, .sheetY = 0, .width = 4, .height = 4, .screenX = 100,
                                    .screenY = 100, .visible = 1};
    }

    void Frame() { DrawSprites(surfaces, table); }
    std::uint8_t Front(int x, int y) const { return presenter.shown.At(x, y); }
    std::uint8_t Back(int x, int y) { return surfaces.Back().At(x, y); }

    test_support::RecordingPresenter presenter;
    Surfaces surfaces{presenter};
    SpriteTable table;
};

TEST_F(SpritesTest, AHiddenSpriteIsErasedOnceOnEachPageOverTheNextTwoFrames) {
    Frame();
    Frame();
    ASSERT_EQ(Front(100, 100), 9);
    ASSERT_EQ(Back(100, 100), 9);
    table[kBallSprite].visible = 0;

    Frame();
    EXPECT_EQ(Front(100, 100), 1);
    EXPECT_EQ(Back(100, 100), 9) << "the other page still holds the picture";
    EXPECT_EQ(table[kBallSprite].eraseCount, 1);

    Frame();
    EXPECT_EQ(Front(100, 100), 1);
    EXPECT_EQ(Back(100, 100), 1);
    EXPECT_EQ(table[kBallSprite].eraseCount, 0);
}

TEST_F(SpritesTest, AMovedSpriteIsErasedWhereThatPageLastHadIt) {
    Frame();  // page A at 100
    table[kBallSprite].screenX = 110;
    Frame();  // page B at 110
    table[kBallSprite].screenX = 120;
    Frame();  // page A: erase 100, draw 120
    EXPECT_EQ(Front(100, 100), 1);
    EXPECT_EQ(Front(120, 100), 9);
    EXPECT_EQ(Back(110, 100), 9);
    EXPECT_EQ(table.pageParity, 1);
}

TEST_F(SpritesTest, HigherIndexesCoverLowerOnes) {
    surfaces.sheet.At(0, 10) = 42;
    table[5] = Sprite{.sheetX = 0, .sheetY = 10, .width = 1, .height = 1, .screenX = 101, .screenY = 101,
                      .visible = 1};
    Frame();
    EXPECT_EQ(Front(101, 101), 42);
    EXPECT_EQ(Front(100, 100), 9);
}

TEST_F(SpritesTest, ShowBackgroundPutsTheBackgroundOnBothPagesWithoutChangingParity) {
    surfaces.background.Fill(3);
    table.pageParity = 1;
    const int before = presenter.presents;
    ShowBackground(surfaces);
    EXPECT_EQ(presenter.presents, before + 2);
    EXPECT_EQ(presenter.shown, surfaces.background);
    EXPECT_EQ(surfaces.Back(), surfaces.background);
    EXPECT_EQ(table.pageParity, 1);
}

TEST(ResetSprites, LoadsTheDefaultsAndShowsTheStatusPanelSprites) {
    SpriteTable table;
    table[3].eraseCount = 2;
    table[12].visible = 1;
    ResetSprites(table, 37, 52);
    for (int i = 0; i < kSpriteCount; ++i) {
        EXPECT_EQ(table[i].visible, i <= 11 ? 1 : 0) << i;
        EXPECT_EQ(table[i].eraseCount, 0) << i;
    }
    EXPECT_EQ(table[kBallSprite].screenX, 37);
    EXPECT_EQ(table[kBallSprite].screenY, 52);
    EXPECT_EQ(table[kStatusPanelSprite].width, 640);
    EXPECT_EQ(table[kTitleSprite].sheetY, 310);
}

TEST(DrawGlyph, TakesTheShiftedColumnAndDrawsOntoTheBackground) {
    test_support::RecordingPresenter presenter;
    Surfaces surfaces{presenter};
    surfaces.sheet.At(253, 444) = 77;  // top-left pixel of the letter O
    surfaces.sheet.At(252, 444) = 66;
    DrawGlyph(surfaces, 14, 30, 40);
    EXPECT_EQ(surfaces.background.At(30, 40), 77);
    DrawGlyph(surfaces, kGlyphCount, 0, 0);  // out of the font: nothing
    DrawGlyph(surfaces, -1, 0, 0);
    EXPECT_EQ(surfaces.background.At(0, 0), 0);
    EXPECT_EQ(presenter.presents, 0);
}

}  // namespace
}  // namespace minigolf
