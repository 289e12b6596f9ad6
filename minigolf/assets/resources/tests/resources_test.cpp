// The built-in resources must match what the game's loaders take for granted: the sheet's
// bitmap header and colour count, the effects' fixed WAVE layout, and pictures in the places
// the game copies from.

#include "minigolf/resources/resources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <span>
#include <string>

namespace {

using Bytes = std::span<const unsigned char>;

std::uint32_t U32(Bytes b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(Bytes b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::string Tag(Bytes b, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(b.data() + at), 4);
}

struct Effect {
    const char* name;
    Bytes bytes;
    double maxSeconds;
};

void PrintTo(const Effect& e, std::ostream* out) {
    *out << e.name;
}

class EffectLayout : public testing::TestWithParam<Effect> {};

TEST_P(EffectLayout, IsTheFixedMonoWaveLayout) {
    const Bytes w = GetParam().bytes;
    ASSERT_GT(w.size(), 58u);
    EXPECT_EQ(Tag(w, 0), "RIFF");
    EXPECT_EQ(U32(w, 4), w.size() - 8);
    EXPECT_EQ(Tag(w, 8), "WAVE");
    EXPECT_EQ(Tag(w, 12), "fmt ");
    EXPECT_EQ(U32(w, 16), 18u);
    EXPECT_EQ(U16(w, 20), 1);  // PCM
    EXPECT_EQ(U16(w, 22), 1);  // channels
    EXPECT_EQ(U32(w, 24), 11025u);
    EXPECT_EQ(U32(w, 28), 22050u);
    EXPECT_EQ(U16(w, 32), 2);
    EXPECT_EQ(U16(w, 34), 16);
    EXPECT_EQ(U16(w, 36), 0);
    EXPECT_EQ(Tag(w, 38), "fact");
    EXPECT_EQ(U32(w, 42), 4u);
    EXPECT_EQ(Tag(w, 50), "data");
    EXPECT_EQ(U32(w, 54), w.size() - 58);
    EXPECT_EQ(U32(w, 46), (w.size() - 58) / 2);
}

TEST_P(EffectLayout, IsShortLoudAndStartsAndEndsQuietly) {
    const Bytes w = GetParam().bytes;
    const std::size_t count = (w.size() - 58) / 2;
    ASSERT_GT(count, 0u);
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) {
        peak = std::max(peak, std::abs(static_cast<std::int16_t>(U16(w, 58 + 2 * i))));
    }
    const double peakDbfs = 20 * std::log10(peak / 32768.0);
    EXPECT_NEAR(peakDbfs, -3.0, 0.5);
    EXPECT_LE(count / 11025.0, GetParam().maxSeconds);
    // No click: the first and last samples are within 1 % of full scale.
    EXPECT_LT(std::abs(static_cast<std::int16_t>(U16(w, 58))), 328);
    EXPECT_LT(std::abs(static_cast<std::int16_t>(U16(w, 58 + 2 * (count - 1)))), 328);
}

INSTANTIATE_TEST_SUITE_P(
    Effects, EffectLayout,
    testing::Values(Effect{"pon", EMBEDDED_BYTES(pon), 0.2}, Effect{"pon2", EMBEDDED_BYTES(pon2), 0.2},
                    Effect{"cupin", EMBEDDED_BYTES(cupin), 1.5}, Effect{"nice", EMBEDDED_BYTES(nice), 3.0},
                    Effect{"par", EMBEDDED_BYTES(par), 3.0}, Effect{"bogi", EMBEDDED_BYTES(bogi), 3.0}),
    [](const testing::TestParamInfo<Effect>& info) { return std::string(info.param.name); });

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr std::size_t kPixels = 14 + 40 + 205 * 4;

TEST(SpriteSheet, IsAn8BitBottomUpBitmapWith205Colours) {
    const Bytes b = EMBEDDED_BYTES(mapdat);
    ASSERT_GE(b.size(), kPixels);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), kPixels);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), static_cast<std::uint32_t>(kWidth));
    EXPECT_EQ(U32(b, 22), static_cast<std::uint32_t>(kHeight));  // positive: rows bottom-up
    EXPECT_EQ(U16(b, 26), 1);
    EXPECT_EQ(U16(b, 28), 8);
    EXPECT_EQ(U32(b, 30), 0u);  // uncompressed
    EXPECT_EQ(U32(b, 46), 205u);
    EXPECT_EQ(b.size(), kPixels + kWidth * kHeight);
}

std::uint8_t SheetPixel(int x, int y) {
    const Bytes b = EMBEDDED_BYTES(mapdat);
    return b[kPixels + static_cast<std::size_t>(kHeight - 1 - y) * kWidth + static_cast<std::size_t>(x)];
}

int KeyedPixels(int x, int y, int w, int h) {
    int keyed = 0;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            keyed += SheetPixel(col, row) == 0 ? 1 : 0;
        }
    }
    return keyed;
}

TEST(SpriteSheet, KeyColourIsNotACourseColour) {
    const Bytes b = EMBEDDED_BYTES(mapdat);
    const std::uint8_t* key = b.data() + 54;
    for (int i = 1; i < 205; ++i) {
        EXPECT_NE(std::memcmp(key, b.data() + 54 + 4 * i, 3), 0) << "colour " << i << " looks like the key";
    }
}

// The course tiles are copied keyed over the previous hole, so a key pixel in one would show
// the old course through it.
TEST(SpriteSheet, CourseTilesAreOpaque) {
    for (int t = 0; t < 40; ++t) {
        EXPECT_EQ(KeyedPixels(16 * t, 0, 16, 16), 0) << "tile " << t;
    }
}

struct Picture {
    const char* what;
    int x, y, w, h;
};

// Each picture the game shows has something drawn in its rectangle.
TEST(SpriteSheet, EveryPictureHasInk) {
    const Picture pictures[] = {
        {"plus", 16, 16, 16, 16},        {"minus", 16, 32, 16, 16},         {"ball", 0, 32, 16, 16},
        {"gauge", 0, 48, 160, 16},       {"status label", 352, 16, 180, 32}, {"hole label", 0, 64, 112, 48},
        {"stroke label", 432, 64, 160, 48}, {"status panel", 0, 112, 640, 80}, {"title", 0, 310, 300, 70},
        {"hole in one", 338, 231, 230, 40}, {"3 under", 140, 231, 198, 40}, {"2 under", 0, 231, 140, 40},
        {"1 under", 190, 192, 140, 40},  {"par", 110, 192, 80, 40},         {"1 over", 0, 192, 110, 40},
        {"2 over", 400, 271, 210, 40},   {"3 over", 170, 271, 230, 40},     {"4 over", 0, 271, 170, 40},
        {"end of game", 338, 192, 200, 40},
    };
    for (const Picture& p : pictures) {
        EXPECT_LT(KeyedPixels(p.x, p.y, p.w, p.h), p.w * p.h) << p.what;
    }
    for (int d = 0; d < 10; ++d) {
        EXPECT_LT(KeyedPixels(32 + 32 * d, 16, 32, 32), 32 * 32) << "small digit " << d;
        EXPECT_LT(KeyedPixels(112 + 32 * d, 64, 32, 48), 32 * 48) << "large digit " << d;
    }
    // The gauge is shown 16 to 160 pixels wide: every block is solid.
    EXPECT_EQ(KeyedPixels(0, 48, 160, 16), 0);
}

// Glyph codes 0–25 and 26–50 lie in two rows of 18 × 18 cells; codes 14 and 40 are taken from
// x 253, a pixel right of their cell. Blank (47) is see-through, every other glyph has ink.
TEST(SpriteSheet, GlyphsSitWhereTheGameCopiesThem) {
    for (int g = 0; g <= 50; ++g) {
        const int row = g < 26 ? 444 : 462;
        const int column = g < 26 ? g : g - 26;
        const int x = (g == 14 || g == 40) ? 253 : 18 * column;
        const int keyed = KeyedPixels(x, row, 18, 18);
        if (g == 47) {
            EXPECT_EQ(keyed, 18 * 18) << "blank glyph";
        } else {
            EXPECT_LT(keyed, 18 * 18) << "glyph " << g;
            // Ink stays clear of the cell's edges, so a neighbour's copy never catches it.
            EXPECT_EQ(KeyedPixels(x, row, 1, 18), 18) << "glyph " << g << " left edge";
            EXPECT_EQ(KeyedPixels(x + 17, row, 1, 18), 18) << "glyph " << g << " right edge";
        }
    }
}

}  // namespace
