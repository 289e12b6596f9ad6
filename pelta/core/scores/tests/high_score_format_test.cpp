#include "pelta/scores/high_score_format.h"

#include <gtest/gtest.h>

#include <string>

#include "pelta/scores/name_encoding.h"

namespace pelta {
namespace {

using namespace std::string_literals;

std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

// rank, key, max combo, score and the seven counts, written out by hand.
std::string EntryTail(std::uint8_t rank, std::uint8_t key, std::int32_t combo, std::int32_t score) {
    std::string s{static_cast<char>(rank), static_cast<char>(key)};
    s += Le32(static_cast<std::uint32_t>(combo)) + Le32(static_cast<std::uint32_t>(score));
    for (std::uint32_t c = 1; c <= 7; ++c) s += Le32(c * 10 + rank);
    return s;
}

// A file as the game writes it: Easy holds a Shift-JIS name (one-byte length), a 255-byte name
// (0xFF + 16 bits) and a 65534-byte name (0xFF 0xFFFF + 32 bits); Normal is empty; Trick holds
// a negative combo; AnoMani is empty.
std::string GameWrittenFile() {
    std::string f;
    f += "\x03"s;
    f += "\x04\x8E\x52\x93\x63"s + EntryTail(1, 0xC3, 12, 5000);
    f += "\xFF\xFF\x00"s + std::string(255, 'a') + EntryTail(1, 0x00, 3, 5000);
    f += "\xFF\xFF\xFF\xFE\xFF\x00\x00"s + std::string(65534, 'b') + EntryTail(2, 0xFF, 0, 20);
    f += "\x00"s;
    f += "\x01"s + "\x00"s + EntryTail(1, 7, -1, 2147483647);
    f += "\x00"s;
    return f;
}

TEST(HighScoreFormat, ReadsEveryNameLengthFormAndField) {
    std::optional<HighScoreTable> t = DecodeHighScores(GameWrittenFile());
    ASSERT_TRUE(t);
    const HighScoreLevelTable& easy = (*t)[0];
    ASSERT_EQ(easy.count, 3);
    EXPECT_EQ(easy.entries[0].name, "山田");
    EXPECT_EQ(easy.entries[0].key, 0xC3);
    EXPECT_EQ(easy.entries[0].maxCombo, 12);
    EXPECT_EQ(easy.entries[0].score, 5000);
    EXPECT_EQ(easy.entries[0].counts, (std::array<std::int32_t, 7>{11, 21, 31, 41, 51, 61, 71}));
    EXPECT_EQ(easy.entries[1].name, std::string(255, 'a'));
    EXPECT_EQ(easy.entries[2].name, std::string(65534, 'b'));
    EXPECT_EQ(easy.entries[2].rank, 2);
    EXPECT_EQ((*t)[1].count, 0);
    ASSERT_EQ((*t)[2].count, 1);
    EXPECT_EQ((*t)[2].entries[0].name, "");
    EXPECT_EQ((*t)[2].entries[0].maxCombo, -1);
    EXPECT_EQ((*t)[2].entries[0].score, 2147483647);
    EXPECT_EQ((*t)[3].count, 0);
}

TEST(HighScoreFormat, LoadThenSaveReproducesTheFileByteForByte) {
    std::string file = GameWrittenFile();
    std::optional<HighScoreTable> t = DecodeHighScores(file);
    ASSERT_TRUE(t);
    EXPECT_EQ(EncodeHighScores(*t), file);
}

TEST(HighScoreFormat, EmptyTableIsFourZeroBytes) {
    EXPECT_EQ(EncodeHighScores(HighScoreTable{}), "\x00\x00\x00\x00"s);
}

TEST(HighScoreFormat, ChoosesTheLengthFormAtItsBoundaries) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {254, "\xFE"s},
        {255, "\xFF\xFF\x00"s},
        {65533, "\xFF\xFD\xFF"s},
        {65534, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
    };
    for (const Case& c : cases) {
        HighScoreTable t{};
        t[3].count = 1;
        t[3].entries[0].name = std::string(c.length, 'x');
        std::string bytes = EncodeHighScores(t);
        EXPECT_EQ(bytes.substr(4, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(bytes.size(), 3 + 1 + c.prefix.size() + c.length + 38) << c.length;
        EXPECT_EQ(DecodeHighScores(bytes), t) << c.length;
    }
}

TEST(HighScoreFormat, RejectsWhatIsNotAHighScoreFile) {
    const std::string good = GameWrittenFile();
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"only three levels", "\x00\x00\x00"s},
        {"ends inside a name", good.substr(0, 3)},
        {"ends inside the counts", good.substr(0, 1 + 5 + 20)},
        {"ends before the last level", good.substr(0, good.size() - 1)},
        {"count above ten", "\x0B\x00\x00\x00"s},
        {"unknown length form", "\x01\xFF\xFE\xFF"s + std::string(100, '\0')},
        {"32-bit length past the end", "\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s + std::string(100, '\0')},
    };
    for (const Case& c : cases) EXPECT_FALSE(DecodeHighScores(c.bytes)) << c.what;
}

TEST(HighScoreFormat, ReadsALengthWrittenInALongerFormThanNeeded) {
    std::optional<HighScoreTable> t = DecodeHighScores("\x01\xFF\x02\x00" "ab"s + EntryTail(1, 0, 0, 9) + "\x00\x00\x00"s);
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)[0].entries[0].name, "ab");
}

TEST(NameEncoding, ConvertsBetweenUtf8AndShiftJis) {
    struct Case {
        std::string utf8;
        std::string cp932;
    };
    const Case cases[] = {
        {"na･na･shi", "na\xA5na\xA5shi"},
        {"ﾅﾅｼ", "\xC5\xC5\xBC"},
        {"山田", "\x8E\x52\x93\x63"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameToShiftJis(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(NameFromShiftJis(c.cp932), c.utf8) << c.utf8;
    }
}

TEST(NameEncoding, MarksOnlyTheCharactersThatHaveNoForm) {
    EXPECT_EQ(NameToShiftJis("山😀田"), "\x8E\x52?\x93\x63");
    EXPECT_EQ(NameToShiftJis("a\xC3"), "a?");  // broken UTF-8
    EXPECT_EQ(NameFromShiftJis("a\x81"), "a?");  // lead byte without its trail byte
    EXPECT_EQ(NameFromShiftJis("\x8E\x52\xA0z"), "山?z");  // 0xA0 is unassigned
}

}  // namespace
}  // namespace pelta
