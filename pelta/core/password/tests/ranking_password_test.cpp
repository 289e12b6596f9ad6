#include "pelta/password/ranking_password.h"

#include <gtest/gtest.h>

namespace pelta {
namespace {

using Counts = std::array<std::int32_t, kResultKinds>;

struct Case {
    const char* what;
    PasswordKey key;
    int level;
    Counts counts;
    std::int32_t maxCombo;
    std::uint32_t score;
    std::string expected;
};

TEST(RankingPassword, LaysOutNineteenCharacters) {
    const Counts many = {1295, 1295, 1295, 1295, 9999, 9999, 9999};
    const Case cases[] = {
        {"game over", PasswordKey::AtGameOver(1000), 1, {0, 1, 2, 3, 4, 5, 6}, 36, 1296,
         "7S1000102031001002D"},
        {"same result stored: 1000 keeps its low byte 232", PasswordKey::Stored(1000 & 255), 1,
         {0, 1, 2, 3, 4, 5, 6}, 36, 1296, "6G1000102031001001S"},
        {"game over, smallest key", PasswordKey::AtGameOver(0), 0, {}, 0, 1, "700000000000000011I"},
        {"game over, largest key and every field at its limit", PasswordKey::AtGameOver(1295), 3,
         many, 1295, 1'679'615, "7Z3ZZZZZZZZZZZZZZ2M"},
        {"stored, smallest key", PasswordKey::Stored(0), 0, {}, 0, 1, "000000000000000011D"},
        {"stored, largest key byte", PasswordKey::Stored(255), 3, many, 1295, 1'679'615,
         "733ZZZZZZZZZZZZZZ1J"},
        {"a count, the combo and the score one past the limit run on past 'Z'",
         PasswordKey::AtGameOver(5), 2, {1296, 0, 0, 0}, 1296, 1'679'616, "752[0000000[0[0002J"},
        {"stored, last encoded count past the limit", PasswordKey::Stored(7), 2, {0, 0, 0, 1296},
         0, 1'679'616, "072000000[000[0001H"},
        {"largest score: bytes above 0x7F and a negative check", PasswordKey::AtGameOver(35), 3, {},
         0, 4'294'967'295u, "7Z30000000000\xCF" "1Z3/\x1D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string password = MakeRankingPassword(c.key, c.level, c.counts, c.maxCombo, c.score);
        EXPECT_EQ(password, c.expected);
        EXPECT_EQ(password.size(), kPasswordLength);
    }
}

TEST(RankingPassword, EncodePairIsTwoBase36Digits) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {0, "00"}, {9, "09"}, {10, "0A"}, {35, "0Z"}, {36, "10"}, {1000, "RS"}, {1295, "ZZ"},
        {1296, "[0"},   // the high digit 36 continues after 'Z'
        {-1, "0/"},     // truncating division: 0, then '0' - 1
    };
    for (const auto& [v, expected] : cases) {
        SCOPED_TRACE(v);
        EXPECT_EQ(EncodePair(v), expected);
    }
}

}  // namespace
}  // namespace pelta
