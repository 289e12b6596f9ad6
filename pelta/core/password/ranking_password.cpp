#include "pelta/password/ranking_password.h"

namespace pelta {
namespace {

char Digit(std::int32_t d) {
    // Wraps to a byte on purpose: large values continue past 'Z' instead of failing.
    return static_cast<char>(static_cast<std::uint8_t>(d < 10 ? '0' + d : 55 + d));
}

}  // namespace

std::string EncodePair(std::int32_t v) { return {Digit(v / 36), Digit(v % 36)}; }

std::string MakeRankingPassword(PasswordKey key, int level,
                                const std::array<std::int32_t, kResultKinds>& counts,
                                std::int32_t maxCombo, std::uint32_t score) {
    std::string password;
    password.reserve(kPasswordLength);
    if (key.variant == PasswordKey::Variant::GameOver) {
        password += '7';
        password += Digit(key.value % 36);
    } else {
        password += EncodePair(key.value);
    }
    password += static_cast<char>('0' + level);
    for (int i = 0; i < 4; ++i) password += EncodePair(counts[i]);
    password += EncodePair(maxCombo);
    password += EncodePair(static_cast<std::int32_t>(score / 1296));
    password += EncodePair(static_cast<std::int32_t>(score % 1296));

    std::int32_t check = 0;
    for (char c : password) check ^= static_cast<std::int8_t>(c);
    password += EncodePair(check);
    return password;
}

}  // namespace pelta
