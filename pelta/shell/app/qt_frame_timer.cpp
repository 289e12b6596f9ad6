#include "pelta/app/qt_frame_timer.h"

namespace pelta {

QtFrameTimer::QtFrameTimer(std::function<void()> onTick) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kTickMs);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

bool QtFrameTimer::Start() {
    if (!timer_.isActive()) timer_.start();
    return timer_.isActive();
}

}  // namespace pelta
