#pragma once
// The frame pace: a frame runs only when more than 50 ms have passed since the last one.

#include <cstdint>

namespace minigolf {

inline constexpr std::uint32_t kFrameGapMs = 50;

// Takes the millisecond tick count; the difference is unsigned, so a tick counter that wraps
// past 2^32 keeps yielding frames. Records the time of a frame that runs.
inline bool FrameDue(std::uint32_t now, std::uint32_t& lastFrame) {
    if (static_cast<std::uint32_t>(now - lastFrame) <= kFrameGapMs) return false;
    lastFrame = now;
    return true;
}

}  // namespace minigolf
