#pragma once
// What the batting game needs from its host besides drawing and sound effects. The Qt view
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

// The background music as the game drives it; its enabled flag is the "BGM Sound" setting.
class BackgroundMusic {
public:
    virtual ~BackgroundMusic() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual void Resume() = 0;
    virtual void Tick() = 0;
    virtual bool IsEnabled() const = 0;
    virtual void SetEnabled(bool on) = 0;
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
