#pragma once
// What the batting game needs from its host besides drawing, sound and music. The Qt view
// implements these; tests use fakes.

#include <string_view>

namespace pelta {

// The 10 ms frame tick. Start does nothing when the tick already runs.
class FrameTimer {
public:
    virtual ~FrameTimer() = default;
    virtual bool Start() = 0;  // false when no tick could be had
    virtual void Stop() = 0;   // safe when none runs
};

class GameHost {
public:
    virtual ~GameHost() = default;
    // A message box with the stop icon, owned by the view.
    virtual void ShowStopMessage(std::string_view text) = 0;
    virtual void OpenRankingPage() = 0;
    virtual void ShowHelp() = 0;
};

}  // namespace pelta
