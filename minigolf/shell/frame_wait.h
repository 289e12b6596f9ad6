#pragma once
// How long the main loop may sleep before the next frame is due.

#include <cstdint>

#include "minigolf/flow/frame_gate.h"

namespace minigolf {

// Milliseconds from `now` until FrameDue opens for a frame last run at `lastFrame`: 0 when a
// frame is due already. Unsigned like the gate, so a wrapping tick counter changes nothing.
inline std::uint32_t MsUntilFrameDue(std::uint32_t now, std::uint32_t lastFrame) {
    const std::uint32_t elapsed = now - lastFrame;
    return elapsed > kFrameGapMs ? 0 : kFrameGapMs + 1 - elapsed;
}

}  // namespace minigolf
