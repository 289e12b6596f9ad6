#pragma once
// The 10 ms frame tick on the GUI thread: a precise QTimer calls the frame step once per
// period, one frame at a time, as the game expects.

#include <QTimer>
#include <functional>

#include "pelta/game/platform.h"

namespace pelta {

inline constexpr int kTickMs = 10;

class QtFrameTimer : public FrameTimer {
public:
    explicit QtFrameTimer(std::function<void()> onTick);
    bool Start() override;
    void Stop() override { timer_.stop(); }
    bool IsRunning() const { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace pelta
