#include "minigolf/shell/shutdown_signals.h"

#include <csignal>
#include <initializer_list>

namespace minigolf {
namespace {

volatile std::sig_atomic_t shutdownRequested = 0;

void Note(int) { shutdownRequested = 1; }

}  // namespace

void CatchShutdownSignals() {
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool ShutdownRequested() { return shutdownRequested != 0; }

}  // namespace minigolf
