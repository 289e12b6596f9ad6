#include "minigolf/pages/bitmap_sheet.h"

#include <gtest/gtest.h>

#include "minigolf/testing/bitmap_bytes.h"

namespace minigolf {
namespace {

using test_support::BitmapShape;
using test_support::MakeBitmap;

TEST(BitmapSheet, SheetColoursCoverTheCubeOnlyAsFarAsTheUsedColourCount) {
    const auto bytes = MakeBitmap(BitmapShape{.usedColours = 205}, [](int, int) { return 1; });
    Page page;
    Palette palette{};
    ASSERT_TRUE(LoadBitmapSurface(bytes, page, palette));
    EXPECT_EQ(palette[204], (PaletteEntry{204, 51, 102, 0}));
    EXPECT_EQ(palette[205], (PaletteEntry{218, 109, 85, 0}));
    EXPECT_EQ(palette[255], kPalette332[255]);
}

TEST(BitmapSheet, ZeroUsedColoursMeansAFullTableForTheBitCount) {
    const auto bytes = MakeBitmap(BitmapShape{.bitCount = 4}, [](int, int) { return 0; });
    Page page;
    Palette palette{};
    ASSERT_TRUE(LoadBitmapSurface(bytes, page, palette));
    EXPECT_EQ(palette[15], (PaletteEntry{15, 240, 7, 0}));
    EXPECT_EQ(palette[16], kPalette332[16]);
}

TEST(BitmapSheet, RowsAreStoredBottomUpAndPaddedToFourBytes) {
    struct Case {
        std::uint16_t bitCount;
        int colours;
    };
    for (const Case c : {Case{8, 256}, Case{4, 16}, Case{1, 2}}) {
        SCOPED_TRACE(c.bitCount);
        auto pixel = [&](int x, int y) { return (x * 3 + y * 7 + 1) % c.colours; };
        const auto bytes = MakeBitmap(BitmapShape{.width = 5, .height = 3, .bitCount = c.bitCount}, pixel);
        Page page;
        page.Fill(99);
        Palette palette{};
        ASSERT_TRUE(LoadBitmapSurface(bytes, page, palette));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x) EXPECT_EQ(page.At(x, y), pixel(x, y)) << x << "," << y;
        }
        EXPECT_EQ(page.At(5, 0), 99) << "pixels beyond the picture are left alone";
    }
}

TEST(BitmapSheet, RejectsWhatIsNotAnUncompressedBottomUpPaletteBitmap) {
    struct Case {
        const char* what;
        BitmapShape shape;
    };
    const Case cases[] = {
        {"16 bits per pixel", BitmapShape{.bitCount = 16, .usedColours = 1}},
        {"run-length compressed", BitmapShape{.compression = 1}},
        {"top-down rows", BitmapShape{.height = -2}},
        {"core header", BitmapShape{.infoSize = 12}},
        {"more colours than the bit count holds", BitmapShape{.bitCount = 4, .usedColours = 17}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto bytes = MakeBitmap(c.shape, [](int, int) { return 0; });
        Page page;
        page.Fill(7);
        Palette palette{};
        EXPECT_FALSE(LoadBitmapSurface(bytes, page, palette));
        EXPECT_EQ(page.At(0, 0), 7);
    }
}

TEST(BitmapSheet, EveryTruncationIsRejectedWithoutReadingPastTheEnd) {
    auto bytes = MakeBitmap(BitmapShape{.width = 7, .height = 3}, [](int x, int) { return x; });
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        // A copy of exactly `size` bytes, so that the sanitizers see any read beyond it.
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        Page page;
        Palette palette{};
        EXPECT_FALSE(LoadBitmapSurface(cut, page, palette)) << size;
    }
    bytes[0] = 'X';
    Page page;
    Palette palette{};
    EXPECT_FALSE(LoadBitmapSurface(bytes, page, palette));
}

TEST(BitmapSheet, APictureLargerThanThePageIsCutAtItsEdges) {
    const auto bytes = MakeBitmap(BitmapShape{.width = 650, .height = 490},
                                  [](int x, int y) { return (x + y) % 256; });
    Page page;
    Palette palette{};
    ASSERT_TRUE(LoadBitmapSurface(bytes, page, palette));
    EXPECT_EQ(page.At(639, 479), (639 + 479) % 256);
    EXPECT_EQ(page.At(0, 0), 0);
}

}  // namespace
}  // namespace minigolf
