#pragma once
// The mouse from the window's events: sideways motion summed between readings and the first
// button.

#include <cstdint>
#include <optional>

#include "minigolf/devices/mouse.h"

union SDL_Event;
struct SDL_Window;

namespace minigolf {

class SdlMouse final : public Mouse {
public:
    // Takes motion, the first button and focus changes; other events are ignored.
    void OnEvent(const SDL_Event& event);

    // The motion since the last reading and the button's level. A press released again before
    // a reading still counts as down at the next reading within three frames (the slowest pace
    // at which the game reads, in the name entry), so that a click quicker than that is not lost;
    // a held button stays down at every reading. Nothing while the window is in the background,
    // and what moved meanwhile is dropped.
    std::optional<MouseReading> Read() override;

    // Called after every frame: a quick click that three frames did not read is forgotten, so
    // that a click during a phase that ignores the button does not act later.
    void FrameDone();

private:
    std::int64_t dx_ = 0;
    bool down_ = false;
    // A press not yet read, and the frames it has waited.
    bool pressUnread_ = false;
    int framesUnread_ = 0;
    bool focused_ = true;
};

// Hides the pointer and asks for relative motion, so that the aim can turn without the pointer
// stopping at the screen's edge. Where relative motion is not offered the pointer's own motion
// is used, after a note on stderr. False when the pointer cannot be hidden.
bool TakePointer();

// Gives the pointer back to the desktop while the game is in the background, and takes it again.
void CaptureMouse(bool capture);

}  // namespace minigolf
