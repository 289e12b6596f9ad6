#include "minigolf/shell/page_pixels.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <vector>

#include "minigolf/shell/sdl_display.h"

namespace minigolf {
namespace {

struct Rgba {
    std::uint8_t r, g, b, a;
    bool operator==(const Rgba&) const = default;
};

Palette TestPalette() {
    Palette palette = kPalette332;
    palette[0] = {1, 2, 3, 0};
    palette[7] = {200, 100, 50, 0};
    palette[204] = {10, 220, 30, 0};
    return palette;
}

Rgba ColourOf(const Palette& palette, std::uint8_t index) {
    return {palette[index].red, palette[index].green, palette[index].blue, 255};
}

TEST(PagePixels, EachIndexBecomesItsPaletteColour) {
    Page page;
    page.At(0, 0) = 7;
    page.At(639, 0) = 204;
    page.At(0, 479) = 205;  // beyond the sheet's colours: the cube's
    page.At(639, 479) = 0;
    const Palette palette = TestPalette();
    // Rows padded as a texture's may be; the padding is not written.
    constexpr int kPitch = kScreenWidth * 4 + 12;
    std::vector<std::uint8_t> pixels(std::size_t{kPitch} * kScreenHeight, 0xAB);
    ConvertPage(page, ScreenColoursOf(palette), pixels.data(), kPitch);

    auto at = [&](int x, int y) {
        std::uint32_t p;
        std::memcpy(&p, &pixels[static_cast<std::size_t>(y) * kPitch + static_cast<std::size_t>(x) * 4], 4);
        return p;
    };
    EXPECT_EQ(at(0, 0), 0xFFC86432u);
    EXPECT_EQ(at(639, 0), 0xFF0ADC1Eu);
    EXPECT_EQ(at(0, 479), 0xFFDA6D55u);
    EXPECT_EQ(at(639, 479), 0xFF010203u);
    EXPECT_EQ(pixels[kScreenWidth * 4], 0xAB);
}

TEST(IntegerScale, OnlyWhereThePictureFitsTwiceOrMore) {
    EXPECT_TRUE(UseIntegerScale(1280, 960));
    EXPECT_TRUE(UseIntegerScale(1920, 1080));
    EXPECT_FALSE(UseIntegerScale(1279, 1024));
    EXPECT_FALSE(UseIntegerScale(1366, 768));
    EXPECT_FALSE(UseIntegerScale(1024, 768));
}

class Display : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_Quit(); }
};

TEST_F(Display, OneFullScreenWindowOnTheDesktopsOwnMode) {
    std::string error;
    const auto display = SdlDisplay::Open(error);
    ASSERT_TRUE(display) << error;
    EXPECT_STREQ(SDL_GetWindowTitle(display->Window()), "DirectX Zell Hockey");
    EXPECT_EQ(SDL_GetWindowFlags(display->Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// The whole way from page to screen: four quarters of the page in four colours, read back from
// the window at the middle of each quarter wherever the scaling put it.
TEST_F(Display, APresentedPageReachesTheScreenInItsPaletteColours) {
    std::string error;
    const auto display = SdlDisplay::Open(error);
    ASSERT_TRUE(display) << error;
    const std::uint8_t quarters[2][2] = {{7, 204}, {205, 0}};
    Page page;
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) page.At(x, y) = quarters[y / 240][x / 320];
    }
    const Palette palette = TestPalette();
    display->Present(page, palette);
    display->Show();

    int width = 0, height = 0;
    ASSERT_EQ(SDL_GetRendererOutputSize(display->Renderer(), &width, &height), 0);
    std::vector<Rgba> screen(static_cast<std::size_t>(width) * height);
    ASSERT_EQ(SDL_RenderReadPixels(display->Renderer(), nullptr, SDL_PIXELFORMAT_RGBA32, screen.data(), width * 4), 0)
        << SDL_GetError();
    SDL_Rect viewport;
    SDL_RenderGetViewport(display->Renderer(), &viewport);
    float scaleX = 1, scaleY = 1;
    SDL_RenderGetScale(display->Renderer(), &scaleX, &scaleY);
    EXPECT_FLOAT_EQ(scaleX, scaleY);  // 4:3 kept
    for (int qy = 0; qy < 2; ++qy) {
        for (int qx = 0; qx < 2; ++qx) {
            const int x = static_cast<int>((viewport.x + 160 + 320 * qx) * scaleX);
            const int y = static_cast<int>((viewport.y + 120 + 240 * qy) * scaleY);
            ASSERT_LT(x, width);
            ASSERT_LT(y, height);
            EXPECT_EQ(screen[static_cast<std::size_t>(y) * width + x], ColourOf(palette, quarters[qy][qx]))
                << "quarter " << qx << ", " << qy;
        }
    }
}

TEST_F(Display, OnlyAChangedPictureIsShownAgain) {
    std::string error;
    const auto display = SdlDisplay::Open(error);
    ASSERT_TRUE(display) << error;
    Page page;
    Palette palette = TestPalette();
    display->Present(page, palette);
    EXPECT_TRUE(display->ShowChanges());
    display->Present(page, palette);
    EXPECT_FALSE(display->ShowChanges()) << "the same frame again";
    page.At(639, 479) = 7;
    display->Present(page, palette);
    EXPECT_TRUE(display->ShowChanges()) << "one pixel changed";
    palette[7].red = 0;
    display->Present(page, palette);
    EXPECT_TRUE(display->ShowChanges()) << "one colour changed";
    ASSERT_TRUE(display->RebuildTexture());
    display->Present(page, palette);
    EXPECT_TRUE(display->ShowChanges()) << "a new texture is empty";
}

}  // namespace
}  // namespace minigolf
