#pragma once
// A logout, Ctrl+C in a terminal or a kill ends the program as its close box would, so the
// high scores and the settings are saved on every way out.

#include <functional>

class QObject;

namespace qt {

// Runs `shutdown` on the GUI thread when SIGTERM, SIGINT or SIGHUP arrives, then quits.
void OnTermination(QObject* owner, std::function<void()> shutdown);

}  // namespace qt
