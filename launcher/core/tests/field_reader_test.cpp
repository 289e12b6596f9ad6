#include "launcher/core/field_reader.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

using Fields = std::vector<std::string>;

// Every field the input holds, read one at a time until the end.
Fields AllFields(std::string_view input) {
    FieldReader reader(input);
    Fields fields;
    while (std::optional<std::string> f = reader.Next()) fields.push_back(*f);
    return fields;
}

TEST(FieldReader, SplitsTheStreamAsTheDataIsWritten) {
    struct Case {
        const char* name;
        std::string_view input;
        Fields fields;
    };
    const Case cases[] = {
        {"comma and CR LF are one separator", "a,b\r\nc,d\r\n", {"a", "b", "c", "d"}},
        {"lone LF and lone CR end lines too", "a,b\nc\rd", {"a", "b", "c", "d"}},
        {"quoted comma belongs to the field", "\"Pelta, the game\",x\r\n", {"Pelta, the game", "x"}},
        {"quoted line break belongs to the field", "\"two\r\nlines\",x", {"two\r\nlines", "x"}},
        {"spaces before a field are skipped", "  a,   b", {"a", "b"}},
        {"spaces before a separator are dropped", "a  ,b \r\n", {"a", "b"}},
        {"inner spaces stay", "two words,x", {"two words", "x"}},
        {"spaces inside quotes stay", "\" a \",x", {" a ", "x"}},
        {"text after a closing quote is dropped", "\"a\"junk,b", {"a", "b"}},
        {"unclosed quote runs to the end", "\"abc", {"abc"}},
        {"empty fields between commas", "a,,b\r\n,c", {"a", "", "b", "", "c"}},
        {"trailing comma gives an empty last field", "a,\r\nb", {"a", "", "b"}},
        {"blank lines hold no field", "a\r\n\r\n   \r\nb\r\n\r\n", {"a", "b"}},
        {"no line break at the end", "a,b", {"a", "b"}},
        {"empty input", "", {}},
        {"only line breaks", "\r\n\n\r", {}},
        {"Shift-JIS trail bytes are not separators", "\x83\x5C\x95\x5C,\x82\xA0", {"\x83\x5C\x95\x5C", "\x82\xA0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AllFields(c.input), c.fields);
    }
}

TEST(FieldReader, ReadsTakeFieldsInTurnAcrossLines) {
    FieldReader reader("1,2\r\n3\r\n4,5,6\r\n7");
    EXPECT_EQ(reader.ReadFields(3), (Fields{"1", "2", "3"}));
    EXPECT_EQ(reader.ReadFields(2), (Fields{"4", "5"}));
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadFields(3), (Fields{"6", "7"}));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadFields(1), Fields{});
}

TEST(FieldReader, TrailingBlankLinesCountAsTheEnd) {
    FieldReader reader("a\r\n \r\n\r\n");
    EXPECT_EQ(reader.Next(), "a");
    EXPECT_TRUE(reader.AtEnd());
}

}  // namespace
}  // namespace launcher
