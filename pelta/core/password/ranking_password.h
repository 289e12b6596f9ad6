#pragma once
// The 19-character internet ranking password: one game result in base-36 digits with a
// check pair, for the player to paste into the online ranking.

#include <array>
#include <cstdint>
#include <string>

#include "pelta/model/pitch.h"

namespace pelta {

inline constexpr std::size_t kPasswordLength = 19;

// Where the password's random key comes from. At game over the whole key 0..1295 is known;
// a stored high-score entry keeps only its low byte, so its password starts differently.
struct PasswordKey {
    enum class Variant { GameOver, StoredRecord };
    Variant variant = Variant::GameOver;
    std::int32_t value = 0;

    static PasswordKey AtGameOver(std::int32_t key) { return {Variant::GameOver, key}; }
    static PasswordKey Stored(std::uint8_t keyByte) { return {Variant::StoredRecord, keyByte}; }
};

// Two characters: the digit of v / 36, then the digit of v % 36. Digits above 35 run on
// past 'Z' in character-code order, as bytes.
std::string EncodePair(std::int32_t v);

// Only the first four result counts (ﾋﾟｶ ﾎｰﾑﾗﾝ, ﾎｰﾑﾗﾝ, ｸﾘｰﾝ ﾋｯﾄ, ﾋｯﾄ) are encoded.
// The result is a byte string: plain 0-9/A-Z while the counts and the combo stay at or
// below 1295 and the score at or below 1,679,615.
std::string MakeRankingPassword(PasswordKey key, int level,
                                const std::array<std::int32_t, kResultKinds>& counts,
                                std::int32_t maxCombo, std::uint32_t score);

}  // namespace pelta
