// The staged program ended by a termination signal at any moment of its start-up: it ends
// promptly and, once its window exists, leaves its high scores and settings behind.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Far beyond the second the program needs; only here so that a lost signal fails the test
// instead of hanging it.
constexpr int kExitBoundMs = 5000;

TEST(PeltaSignal, TerminationAtAnyMomentOfStartUpEndsTheProgramAndSavesWhatExists) {
    // The program runs from a copy of its folder, so its files never land in the staged one.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString staged = QStringLiteral(PELTA_STAGED_DIR);
    for (const QString& name : QDir(staged).entryList(QDir::Files)) {
        if (name == "pelta.dat") continue;
        ASSERT_TRUE(QFile::copy(staged + "/" + name, folder.filePath(name))) << name.toStdString();
    }
    ASSERT_TRUE(QFile::setPermissions(folder.filePath("pelta"), QFile::permissions(staged + "/pelta")));

    for (int delayMs : {0, 5, 15, 25, 35, 60, 100, 150, 200, 300, 500, 1000}) {
        SCOPED_TRACE(testing::Message() << "SIGTERM after " << delayMs << " ms");
        QFile::remove(folder.filePath("pelta.dat"));
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        env.insert("XDG_DATA_HOME", home.filePath(".local/share"));
        env.insert("XDG_CACHE_HOME", home.filePath(".cache"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");

        QProcess pelta;
        pelta.setProcessEnvironment(env);
        pelta.setWorkingDirectory(folder.path());
        pelta.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pelta.setStandardOutputFile(QProcess::nullDevice());
        pelta.start(folder.filePath("pelta"), {});
        ASSERT_TRUE(pelta.waitForStarted(kExitBoundMs));
        QThread::msleep(static_cast<unsigned long>(delayMs));
        ::kill(static_cast<pid_t>(pelta.processId()), SIGTERM);

        const bool ended = pelta.waitForFinished(kExitBoundMs);
        if (!ended) {
            pelta.kill();
            pelta.waitForFinished(kExitBoundMs);
        }
        ASSERT_TRUE(ended) << "the signal was lost";

        const bool saved = QFile::exists(folder.filePath("pelta.dat")) &&
                           QFile::exists(home.filePath(".config/Ondo's Software/pelta.conf"));
        if (pelta.exitStatus() == QProcess::CrashExit) {
            // Only before its handler is in place, when the program has nothing to save yet.
            EXPECT_EQ(pelta.exitCode(), SIGTERM);
            EXPECT_FALSE(saved);
        } else {
            EXPECT_EQ(pelta.exitCode(), 0);
            EXPECT_TRUE(saved);
        }
    }
}

}  // namespace
