#include "qt/termination.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <csignal>

namespace qt {
namespace {

// Each way a session ends a program runs the shutdown once, on the GUI thread, and ends the
// event loop as a normal exit.
TEST(Termination, EachSignalRunsTheShutdownOnceAndQuits) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        QObject owner;
        int shutdowns = 0;
        OnTermination(&owner, [&] { ++shutdowns; });
        QTimer::singleShot(0, [signal] { ::raise(signal); });
        // Only a guard against a broken handler: the signal ends the loop long before.
        QTimer::singleShot(10'000, &owner, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(shutdowns, 1);
    }
}

}  // namespace
}  // namespace qt
