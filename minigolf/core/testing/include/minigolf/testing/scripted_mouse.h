#pragma once

#include <deque>

#include "minigolf/devices/mouse.h"

namespace minigolf::testing {

// Hands out queued readings, then still mouse readings; a queued nothing is a failed reading.
class ScriptedMouse final : public Mouse {
public:
    std::optional<MouseReading> Read() override {
        ++reads;
        if (queue.empty()) return MouseReading{};
        std::optional<MouseReading> next = queue.front();
        queue.pop_front();
        return next;
    }

    void Push(std::int32_t dx, std::uint8_t button = 0) { queue.push_back(MouseReading{dx, button}); }
    void PushFailure() { queue.push_back(std::nullopt); }

    std::deque<std::optional<MouseReading>> queue;
    int reads = 0;
};

}  // namespace minigolf::testing
