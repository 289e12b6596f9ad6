#include "minigolf/pages/blit.h"

#include <gtest/gtest.h>

namespace minigolf {
namespace {

// A source row 0 holding 1, 2, 3, … from x = 0, and 0 (the key) at x = 3.
Page NumberedRow() {
    Page source;
    for (int x = 0; x < kScreenWidth; ++x) source.At(x, 0) = static_cast<std::uint8_t>(x % 200 + 1);
    source.At(3, 0) = kColourKey;
    return source;
}

TEST(BlitClipped, ASpriteHangingOffTheLeftEdgeIsSqueezedIntoWhatRemains) {
    const Page source = NumberedRow();
    Page destination;
    destination.Fill(250);
    BlitClipped(source, destination, Rect{0, 0, 16, 1}, Rect{-8, 0, 8, 1}, false);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(destination.At(x, 0), source.At(2 * x, 0)) << x;
    EXPECT_EQ(destination.At(8, 0), 250);
}

TEST(BlitClipped, RectanglesOfEqualSizeCopyOneToOneAndKeyedCopiesSkipIndexZero) {
    const Page source = NumberedRow();
    Page plain;
    Page keyed;
    plain.Fill(250);
    keyed.Fill(250);
    BlitClipped(source, plain, Rect{0, 0, 6, 1}, Rect{100, 50, 106, 51}, false);
    BlitClipped(source, keyed, Rect{0, 0, 6, 1}, Rect{100, 50, 106, 51}, true);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(plain.At(100 + x, 50), source.At(x, 0));
    EXPECT_EQ(keyed.At(103, 50), 250);
    EXPECT_EQ(keyed.At(104, 50), 5);
}

TEST(BlitClipped, LargerDestinationsRepeatSourcePixels) {
    const Page source = NumberedRow();
    Page destination;
    BlitClipped(source, destination, Rect{4, 0, 6, 1}, Rect{0, 0, 4, 2}, false);
    const std::uint8_t expected[4] = {5, 5, 6, 6};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(destination.At(x, y), expected[x]);
    }
}

TEST(BlitClipped, NothingIsCopiedForRectanglesOffTheScreenOrEmpty) {
    const Page source = NumberedRow();
    const Rect inside{0, 0, 16, 16};
    const Rect cases[] = {
        {640, 0, 656, 16},   // wholly right
        {0, 480, 16, 496},   // wholly below
        {-16, 0, 0, 16},     // wholly left
        {0, -16, 16, 0},     // wholly above
        {20, 0, 10, 16},     // inverted
    };
    for (const Rect& r : cases) {
        SCOPED_TRACE(testing::Message() << r.left << "," << r.top << "," << r.right << "," << r.bottom);
        Page asDestination;
        BlitClipped(source, asDestination, inside, r, false);
        EXPECT_EQ(asDestination, Page{});
        Page asSource;
        BlitClipped(source, asSource, r, inside, false);
        EXPECT_EQ(asSource, Page{});
    }
}

}  // namespace
}  // namespace minigolf
