#pragma once
// The digits of a counter as the displays show them: of its size, so a negative value shows
// its magnitude and a sign elsewhere.

#include <cstdint>

namespace minigolf {

inline int Units(std::int64_t value) { return static_cast<int>((value < 0 ? -value : value) % 10); }
inline int Tens(std::int64_t value) { return static_cast<int>((value < 0 ? -value : value) / 10 % 10); }

}  // namespace minigolf
