#include <gtest/gtest.h>

#include "launcher/core/description.h"
#include "launcher/core/text_decoding.h"
#include "common/testing/temp_dir.h"

namespace launcher {
namespace {

GameEntry Described(std::string file) {
    GameEntry entry;
    entry.descriptionFile = std::move(file);
    return entry;
}

TEST(Description, IsTheWholeFileConvertedWithItsLineBreaks) {
    ::test_support::TempDir dir;
    // "説明" CR LF, an empty line, "ﾃｽﾄ", no line break at the end.
    dir.Write("etcdata/pelta.txt", "\x90\xE0\x96\xBE\r\n\r\n\xC3\xBD\xC4");
    const GameEntry entry = Described("pelta.txt");
    EXPECT_EQ(ReadDescription(dir.path(), entry), "説明\r\n\r\nﾃｽﾄ");
}

TEST(Description, AnEmptyFileIsAnEmptyText) {
    ::test_support::TempDir dir;
    dir.Write("ETCDATA/EMPTY.TXT", "");
    EXPECT_EQ(ReadDescription(dir.path(), Described("empty.txt")), "");
}

TEST(Description, IsMissingWhenNotAnOrdinaryFile) {
    ::test_support::TempDir dir;
    dir.Write("etcdata/sub/x.txt", "x");
    for (std::string_view name : {"nothing.txt", "", "sub", "sub\\y.txt"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadDescription(dir.path(), Described(std::string(name))), std::nullopt);
    }
    EXPECT_EQ(ReadDescription(dir.path(), Described("SUB\\X.TXT")), "x");
}

TEST(DecodeCp932, ReplacesOnlyWhatIsNotShiftJis) {
    struct Case {
        std::string_view bytes;
        std::string_view text;
    };
    const Case cases[] = {
        {"abc", "abc"},
        {"\x82\xA0\x82\xA2", "あい"},
        {"\x82\xA0\x81\x20\x82\xA2", "あ\xEF\xBF\xBD い"},  // invalid pair: the lead is lost, the space stays
        {"ok\r\n\x82", "ok\r\n\xEF\xBF\xBD"},               // a lead byte cut off by the end
        {"\x82\xA0\n\xFD\n\x82\xA2", "あ\n\xEF\xBF\xBD\nい"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeCp932(c.bytes), c.text);
}

}  // namespace
}  // namespace launcher
