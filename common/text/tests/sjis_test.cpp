#include "common/text/sjis.h"

#include <gtest/gtest.h>

namespace {

struct Pair {
    const char* utf8;
    std::string cp932;
};

TEST(Sjis, RoundTripsTextTheProgramsUse) {
    const Pair cases[] = {
        {"pelta", "pelta"},
        {"\\", "\x5C"},                              // backslash, not the yen sign
        {"ソ", "\x83\x5C"},                          // second byte 0x5C
        {"表", "\x95\x5C"},
        {"ﾀｲﾏｰ", "\xC0\xB2\xCF\xB0"},                // half-width katakana
        {"げ～む", "\x82\xB0\x81\x60\x82\xDE"},      // wave dash as Windows writes it
        {"①", "\x87\x40"},                           // NEC special character
        {"ＭＳ Ｐゴシック", "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(sjis::FromUtf8(c.utf8), c.cp932);
        EXPECT_EQ(sjis::ToUtf8(c.cp932), std::string(c.utf8));
    }
}

TEST(Sjis, RejectsInvalidInput) {
    EXPECT_FALSE(sjis::ToUtf8("\x83"));          // lead byte without its trail
    EXPECT_FALSE(sjis::ToUtf8("\x81\x20"));      // trail byte out of range
    EXPECT_FALSE(sjis::FromUtf8("\xC3"));        // truncated UTF-8
    EXPECT_FALSE(sjis::FromUtf8("😀"));          // no CP932 form
}

TEST(Sjis, CountsBytesNotCharacters) {
    EXPECT_EQ(sjis::ByteLength("ﾀﾛｳ"), 3u);
    EXPECT_EQ(sjis::ByteLength("山田太郎花子"), 12u);
    EXPECT_EQ(sjis::ByteLength("山田a"), 5u);
    EXPECT_FALSE(sjis::ByteLength("😀"));
}

TEST(Sjis, LeadBytes) {
    EXPECT_TRUE(sjis::IsLeadByte(0x81));
    EXPECT_TRUE(sjis::IsLeadByte(0x9F));
    EXPECT_TRUE(sjis::IsLeadByte(0xE0));
    EXPECT_TRUE(sjis::IsLeadByte(0xFC));
    EXPECT_FALSE(sjis::IsLeadByte(0x5C));
    EXPECT_FALSE(sjis::IsLeadByte(0xA0));
    EXPECT_FALSE(sjis::IsLeadByte(0xC0));  // half-width katakana are single bytes
    EXPECT_FALSE(sjis::IsLeadByte(0xFD));
}

}  // namespace
