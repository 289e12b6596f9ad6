#include "common/qt/termination.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <csignal>

namespace qt {
namespace {

// Each way a session ends a program runs the shutdown once, on the GUI thread, and ends the
// event loop as a normal exit; so does a signal that start-up work has already seen handled
// by a processEvents() before the loop runs.
TEST(Termination, EachSignalRunsTheShutdownOnceAndQuits) {
    struct Case {
        int signal;
        bool beforeTheLoop;
    };
    for (Case c : {Case{SIGTERM, false}, Case{SIGINT, false}, Case{SIGHUP, false}, Case{SIGTERM, true}}) {
        SCOPED_TRACE(testing::Message() << "signal " << c.signal << (c.beforeTheLoop ? " before the loop" : ""));
        QObject owner;
        int shutdowns = 0;
        OnTermination(&owner, [&] { ++shutdowns; });
        if (c.beforeTheLoop) {
            ::raise(c.signal);
            QCoreApplication::processEvents();
        } else {
            QTimer::singleShot(0, [signal = c.signal] { ::raise(signal); });
        }
        // Only a guard against a broken handler: the signal ends the loop long before.
        QTimer::singleShot(10'000, &owner, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(shutdowns, 1);
    }
}

}  // namespace
}  // namespace qt
