#pragma once
// The background music as the game drives it; its enabled flag is the "BGM Sound" setting.
// CBgmPlayer is the music; tests use fakes.

namespace pelta {

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

}  // namespace pelta
