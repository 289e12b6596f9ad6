// The staged launcher ended by a termination signal at any moment of its start-up, including
// after its click sounds are open: it ends promptly instead of ignoring the signal.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Far beyond the time the launcher needs; only here so that a lost signal fails the test
// instead of hanging it.
constexpr int kExitBoundMs = 5000;

TEST(LauncherSignal, TerminationAtAnyMomentOfStartUpEndsTheLauncher) {
    const QString staged = QStringLiteral(LAUNCHER_STAGED_DIR);
    for (int delayMs : {0, 20, 100, 300, 1000}) {
        SCOPED_TRACE(testing::Message() << "SIGTERM after " << delayMs << " ms");
        // Its own runtime folder, so that a launcher the developer has open holds no lock here.
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir(home.path()).mkdir("runtime"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");

        QProcess launcher;
        launcher.setProcessEnvironment(env);
        launcher.setWorkingDirectory(staged);
        launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        launcher.setStandardOutputFile(QProcess::nullDevice());
        launcher.start(staged + "/game", {});
        ASSERT_TRUE(launcher.waitForStarted(kExitBoundMs));
        QThread::msleep(static_cast<unsigned long>(delayMs));
        ::kill(static_cast<pid_t>(launcher.processId()), SIGTERM);

        const bool ended = launcher.waitForFinished(kExitBoundMs);
        if (!ended) {
            launcher.kill();
            launcher.waitForFinished(kExitBoundMs);
        }
        ASSERT_TRUE(ended) << "the signal was lost";
        // Killed by the signal only before its handler is in place; an ordinary end after.
        if (launcher.exitStatus() == QProcess::CrashExit) {
            EXPECT_EQ(launcher.exitCode(), SIGTERM);
        } else {
            EXPECT_EQ(launcher.exitCode(), 0);
        }
    }
}

}  // namespace
