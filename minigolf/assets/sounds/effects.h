#pragma once
// The six sound effects of the mini-golf game, by the names the game loads them with.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace minigolf::sounds {

inline constexpr std::array<std::string_view, 6> kEffectNames{"pon", "pon2", "cupin", "nice", "par", "bogi"};

// 16-bit samples at the game's rate, peaking near -3 dBFS; an unknown name gives none.
std::vector<std::int16_t> MakeEffect(std::string_view name);

}  // namespace minigolf::sounds
