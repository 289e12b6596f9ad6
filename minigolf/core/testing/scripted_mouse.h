#pragma once

#include <deque>

#include "minigolf/devices/mouse.h"

namespace test_support {

// Hands out queued readings, then the idle reading (a still mouse unless a test holds the
// button); a queued nothing is a failed reading.
class ScriptedMouse final : public minigolf::Mouse {
public:
    std::optional<minigolf::MouseReading> Read() override {
        ++reads;
        if (queue.empty()) return idle;
        std::optional<minigolf::MouseReading> next = queue.front();
        queue.pop_front();
        return next;
    }

    void Push(std::int32_t dx, std::uint8_t button = 0) { queue.push_back(minigolf::MouseReading{dx, button}); }
    void PushFailure() { queue.push_back(std::nullopt); }

    std::deque<std::optional<minigolf::MouseReading>> queue;
    minigolf::MouseReading idle;
    int reads = 0;
};

}  // namespace test_support
