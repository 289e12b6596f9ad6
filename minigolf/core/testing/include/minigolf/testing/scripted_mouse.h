#pragma once

#include <deque>

#include "minigolf/devices/mouse.h"

namespace minigolf::testing {

// Hands out queued readings, then the idle reading (a still mouse unless a test holds the
// button); a queued nothing is a failed reading.
class ScriptedMouse final : public Mouse {
public:
    std::optional<MouseReading> Read() override {
        ++reads;
        if (queue.empty()) return idle;
        std::optional<MouseReading> next = queue.front();
        queue.pop_front();
        return next;
    }

    void Push(std::int32_t dx, std::uint8_t button = 0) { queue.push_back(MouseReading{dx, button}); }
    void PushFailure() { queue.push_back(std::nullopt); }

    std::deque<std::optional<MouseReading>> queue;
    MouseReading idle;
    int reads = 0;
};

}  // namespace minigolf::testing
