#include "launcher/core/launcher_settings.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace launcher {
namespace {

TEST(LauncherSettings, ReadsCaptionAndFourColours) {
    const LauncherSettings s = ParseLauncherSettings(
        "\"Games, all of them\"\r\n255,0,0\r\n0,128,255\r\n255,255,255\r\n0,0,0\r\n");
    EXPECT_EQ(s.caption, "Games, all of them");
    EXPECT_EQ(s.plateColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(s.titleTextColor, (Rgb{0, 128, 255}));
    EXPECT_EQ(s.descriptionBackColor, (Rgb{255, 255, 255}));
    EXPECT_EQ(s.descriptionTextColor, (Rgb{0, 0, 0}));
}

TEST(LauncherSettings, ABadColourKeepsItsDefaultAndTheOthersStillApply) {
    const LauncherSettings s = ParseLauncherSettings("Caption\r\n1,2,3\r\nred,green,blue\r\n4,5,6\r\n7,8,9\r\n");
    EXPECT_EQ(s.caption, "Caption");
    EXPECT_EQ(s.plateColor, (Rgb{1, 2, 3}));
    EXPECT_EQ(s.titleTextColor, std::nullopt);
    EXPECT_EQ(s.descriptionBackColor, (Rgb{4, 5, 6}));
    EXPECT_EQ(s.descriptionTextColor, (Rgb{7, 8, 9}));
}

TEST(LauncherSettings, ComponentsAreSixteenBitIntegersClampedToAByte) {
    struct Case {
        std::string_view line;
        std::optional<Rgb> color;
    };
    const Case cases[] = {
        {"10,20,30", Rgb{10, 20, 30}},
        {" 10 , 20 , 30 ", Rgb{10, 20, 30}},
        {"+10,020,30", Rgb{10, 20, 30}},
        {"300,-5,255", Rgb{255, 0, 255}},
        {"32767,-32768,0", Rgb{255, 0, 0}},
        {"32768,0,0", std::nullopt},   // beyond a 16-bit integer
        {"1.5,2,3", std::nullopt},
        {"0x10,2,3", std::nullopt},
        {",2,3", std::nullopt},
        {"1,2", std::nullopt},         // the file ends inside the colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ParseLauncherSettings("x\r\n" + std::string(c.line)).plateColor, c.color);
    }
}

TEST(LauncherSettings, MissingFieldsLeaveEverythingAfterThemUnset) {
    EXPECT_EQ(ParseLauncherSettings(""), LauncherSettings{});
    const LauncherSettings s = ParseLauncherSettings("Only a caption\r\n");
    EXPECT_EQ(s.caption, "Only a caption");
    EXPECT_FALSE(s.plateColor);
    EXPECT_FALSE(s.descriptionTextColor);
}

TEST(LauncherSettings, FieldsAfterTheThirteenthAreIgnored) {
    const LauncherSettings s = ParseLauncherSettings("c\r\n1,1,1\r\n2,2,2\r\n3,3,3\r\n4,4,4\r\n5,5,5\r\n");
    EXPECT_EQ(s.descriptionTextColor, (Rgb{4, 4, 4}));
}

TEST(LauncherSettings, CaptionIsShiftJis) {
    EXPECT_EQ(ParseLauncherSettings("\x83\x51\x81\x5B\x83\x80\x8F\x57\r\n").caption, "ゲーム集");
}

TEST(LauncherSettings, LoadsFromTheDataFolderWhateverItsCase) {
    ::test_support::TempDir dir;
    EXPECT_FALSE(LoadLauncherSettings(dir.path()));
    dir.Write("EtcData/SET.INI", "Title\r\n");
    ASSERT_TRUE(LoadLauncherSettings(dir.path()));
    EXPECT_EQ(LoadLauncherSettings(dir.path())->caption, "Title");
}

}  // namespace
}  // namespace launcher
