#pragma once
// A logout, Ctrl+C in a terminal or a kill ends the program as its close box would, so the
// high scores and the settings are saved on every way out.

#include <functional>

class QObject;

namespace qt {

// Runs `shutdown` on the GUI thread when SIGTERM, SIGINT or SIGHUP arrives, then quits; a signal
// that arrives before the event loop runs is acted on as soon as it runs. Call it before any
// library that takes these signals over while they are at their defaults (SDL does), so that
// none of them is caught and forgotten during start-up.
void OnTermination(QObject* owner, std::function<void()> shutdown);

}  // namespace qt
