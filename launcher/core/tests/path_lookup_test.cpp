#include "launcher/core/path_lookup.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace launcher {
namespace {

TEST(FindPath, IgnoresLetterCaseInEveryComponent) {
    ::test_support::TempDir dir;
    dir.Write("etcdata/GAMES.BMP", "b");
    dir.Write("etcdata/game.csv", "c");
    dir.Write("Pelta/Data/x.dat", "x");
    struct Case {
        std::string_view dataPath;
        std::optional<std::filesystem::path> found;
    };
    const Case cases[] = {
        {"ETCDATA\\GAMES.BMP", dir.path() / "etcdata/GAMES.BMP"},
        {"etcdata\\games.bmp", dir.path() / "etcdata/GAMES.BMP"},
        {"EtcData/Game.Csv", dir.path() / "etcdata/game.csv"},
        {"pelta\\DATA\\X.DAT", dir.path() / "Pelta/Data/x.dat"},
        {"pelta\\\\data\\.\\x.dat", dir.path() / "Pelta/Data/x.dat"},
        {"pelta\\data\\..\\data\\x.dat", dir.path() / "Pelta/Data/../Data/x.dat"},
        {"etcdata\\", dir.path() / "etcdata"},
        {"", dir.path()},
        {"etcdata\\missing.txt", std::nullopt},
        {"nofolder\\game.csv", std::nullopt},
        {"etcdata\\game.csv\\deeper", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataPath);
        EXPECT_EQ(FindPath(dir.path(), c.dataPath), c.found);
    }
}

TEST(FindPath, PrefersTheExactNameThenTheFirstInNameOrder) {
    ::test_support::TempDir dir;
    dir.Write("d/README", "1");
    dir.Write("d/ReadMe", "2");
    dir.Write("d/readme", "3");
    EXPECT_EQ(FindPath(dir.path(), "d\\ReadMe"), dir.path() / "d/ReadMe");
    EXPECT_EQ(FindPath(dir.path(), "d\\READme"), dir.path() / "d/README");
}

TEST(FindPath, ALeadingSeparatorStartsAtTheRoot) {
    EXPECT_EQ(FindPath("/nonexistent-base", "/TMP"), std::filesystem::path("/tmp"));
}

TEST(FindFile, OnlyOrdinaryFilesCount) {
    ::test_support::TempDir dir;
    dir.Write("etcdata/a.txt", "a");
    EXPECT_TRUE(FindFile(dir.path(), "ETCDATA\\A.TXT"));
    EXPECT_FALSE(FindFile(dir.path(), "ETCDATA"));
    EXPECT_FALSE(FindFile(dir.path(), "ETCDATA\\"));
    EXPECT_FALSE(FindFile(dir.path(), "ETCDATA\\B.TXT"));
}

}  // namespace
}  // namespace launcher
