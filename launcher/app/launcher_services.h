#pragma once
// What the launcher's windows ask of the world outside them, so that tests can stand in for it.

#include <QString>
#include <filesystem>
#include <functional>

#include "launcher/core/launch_plan.h"

namespace launcher {

struct LauncherServices {
    // Plays a WAV file and returns when it has ended.
    std::function<void(const std::filesystem::path&)> playAndWait;
    // Starts a program without waiting for it; false when it could not be started.
    std::function<bool(const LaunchPlan&)> startProcess;
    // A message box with an OK button, returning when it is closed.
    std::function<void(const QString&)> showMessage;
    // Ends the launcher once control is back in the event loop.
    std::function<void()> quit;
};

// The real ones: `playAndWait` as given, detached processes, message boxes, QApplication::quit.
LauncherServices DesktopServices(std::function<void(const std::filesystem::path&)> playAndWait);

}  // namespace launcher
