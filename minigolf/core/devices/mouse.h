#pragma once
// The mouse as the game reads it: sideways motion since the last reading and the first button.

#include <cstdint>
#include <optional>

namespace minigolf {

struct MouseReading {
    std::int32_t dx = 0;
    // The button's level, not a press: held down, it acts at every reading. Any non-zero value
    // counts as down.
    std::uint8_t button = 0;

    bool ButtonDown() const { return button != 0; }
};

class Mouse {
public:
    virtual ~Mouse() = default;
    // Nothing when the device could not be read (lost, or the window in the background).
    virtual std::optional<MouseReading> Read() = 0;
};

// A failed reading counts as no motion and no button, so that nothing acts on stale values.
inline MouseReading ReadMouse(Mouse& mouse) { return mouse.Read().value_or(MouseReading{}); }

}  // namespace minigolf
