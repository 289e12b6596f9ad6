#include "launcher/core/game_list.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace launcher {
namespace {

std::string Record(int i) {
    const std::string n = std::to_string(i);
    return "Game " + n + ",dir" + n + ",prog" + n + ",d" + n + ".txt,p" + n + ".bmp\r\n";
}

TEST(GameList, ReadsRecordsOfFiveFields) {
    const GameList list = ParseGameList(
        "\"Pelta, batting\",pelta,pelta,pelta.txt,pelta.bmp\r\n"
        "Mini golf,minigolf\r\nminigolf,minigolf.txt,minigolf.bmp\r\n");
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.currentIndex, 0);
    EXPECT_EQ(list.entries[0], (GameEntry{"Pelta, batting", "pelta", "pelta", "pelta.txt", "pelta.bmp"}));
    EXPECT_EQ(list.entries[1], (GameEntry{"Mini golf", "minigolf", "minigolf", "minigolf.txt", "minigolf.bmp"}));
    EXPECT_EQ(list.entries[2], GameEntry{});
}

TEST(GameList, SixFieldsOnALineShiftEveryLaterRecord) {
    const GameList list = ParseGameList("a,b,c,d,e,EXTRA\r\nf,g,h,i,j\r\n");
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.entries[0], (GameEntry{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(list.entries[1], (GameEntry{"EXTRA", "f", "g", "h", "i"}));
    EXPECT_EQ(list.entries[2], (GameEntry{"j", "", "", "", ""}));
}

TEST(GameList, ARecordCutShortStillCounts) {
    const GameList list = ParseGameList("a,b,c,d,e\r\nf,g\r\n");
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[1], (GameEntry{"f", "g", "", "", ""}));
}

TEST(GameList, KeepsTheFirst101Records) {
    for (int records : {100, 101, 102, 500}) {
        SCOPED_TRACE(records);
        std::string csv;
        for (int i = 0; i < records; ++i) csv += Record(i);
        const GameList list = ParseGameList(csv);
        EXPECT_EQ(list.count, std::min(records, 101));
        EXPECT_EQ(list.entries[static_cast<std::size_t>(list.count - 1)].title,
                  "Game " + std::to_string(list.count - 1));
    }
}

TEST(GameList, EmptyOrBlankFileHasNoEntries) {
    for (std::string_view csv : {"", "\r\n", "  \r\n\r\n"}) EXPECT_EQ(ParseGameList(csv).count, 0);
}

TEST(GameList, FieldsAreShiftJis) {
    // "ぺるた" and a name whose second byte is a backslash.
    const GameList list = ParseGameList("\x82\xD8\x82\xE9\x82\xBD,\x95\x5C,x,y,z\r\n");
    EXPECT_EQ(list.entries[0].title, "ぺるた");
    EXPECT_EQ(list.entries[0].directory, "表");
}

TEST(GameList, PagingWrapsAtBothEnds) {
    struct Case {
        std::int16_t count;
        std::int16_t from;
        std::int16_t next;
        std::int16_t previous;
    };
    const Case cases[] = {
        {3, 0, 1, 2}, {3, 1, 2, 0}, {3, 2, 0, 1}, {1, 0, 0, 0}, {101, 100, 0, 99}, {101, 0, 1, 100}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << " from " << c.from);
        GameList list;
        list.count = c.count;
        list.currentIndex = c.from;
        StepNext(list);
        EXPECT_EQ(list.currentIndex, c.next);
        list.currentIndex = c.from;
        StepPrevious(list);
        EXPECT_EQ(list.currentIndex, c.previous);
    }
}

TEST(GameList, LoadsFromTheDataFolderWhateverItsCase) {
    ::test_support::TempDir dir;
    EXPECT_FALSE(LoadGameList(dir.path()));
    dir.Write("ETCDATA/Game.CSV", "A,b,c,d,e\r\n");
    const std::optional<GameList> list = LoadGameList(dir.path());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count, 1);
    EXPECT_EQ(list->Current().title, "A");
}

TEST(GameList, AFolderNamedLikeTheListIsNoList) {
    ::test_support::TempDir dir;
    std::filesystem::create_directories(dir.path() / "etcdata" / "game.csv");
    EXPECT_FALSE(LoadGameList(dir.path()));
}

}  // namespace
}  // namespace launcher
