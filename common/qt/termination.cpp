#include "common/qt/termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace qt {
namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the GUI thread does the rest when the byte arrives.
void Notify(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void OnTermination(QObject* owner, std::function<void()> shutdown) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier, shutdown = std::move(shutdown)] {
        // Events handled before the event loop runs (a processEvents() during start-up) have
        // no loop to end, and a quit then is forgotten once the loop starts: the byte stays
        // unread, so the notifier fires again as soon as a loop runs.
        if (QThread::currentThread()->loopLevel() == 0) return;
        notifier->setEnabled(false);
        shutdown();
        // Also ends any modal dialog's loop.
        QCoreApplication::exit(0);
    });

    struct sigaction action {};
    action.sa_handler = Notify;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace qt
