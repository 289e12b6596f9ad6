#include "pelta/settings/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <memory>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace pelta {
namespace {

// Every test writes into a profile folder of its own, never the user's.
class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(profile_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile_.path());
    }
    QString ProfileFile() const { return QDir(profile_.path()).filePath(kOrganizationName + "/" + kApplicationName + ".conf"); }

    QTemporaryDir profile_;
};

TEST_F(QtSettingsStoreTest, AnEmptyProfileGivesTheDefaults) {
    QtSettingsStore store;
    EXPECT_EQ(LoadSettings(store), Settings{});
}

TEST_F(QtSettingsStoreTest, SettingsSurviveARestartUnderTheirOwnNames) {
    const Settings saved{.level = 3, .waveOn = 0, .bgmOn = 0, .playerName = "ﾔﾏﾀﾞ 太郎"};
    {
        QtSettingsStore store;
        SaveSettings(store, saved);
    }
    EXPECT_EQ(LoadSettings(QtSettingsStore()), saved);

    QSettings raw(ProfileFile(), QSettings::IniFormat);
    raw.beginGroup("Settings");
    EXPECT_EQ(raw.value("Level").toInt(), 3);
    EXPECT_EQ(raw.value("Wave Sound").toInt(), 0);
    EXPECT_EQ(raw.value("BGM Sound").toInt(), 0);
    EXPECT_EQ(raw.value("Name").toString(), QString::fromUtf8("ﾔﾏﾀﾞ 太郎"));
}

TEST_F(QtSettingsStoreTest, ValuesEditedByHandFollowTheLoadRules) {
    {
        QSettings raw(ProfileFile(), QSettings::IniFormat);
        raw.beginGroup("Settings");
        raw.setValue("Level", 10);
        raw.setValue("Wave Sound", "loud");
        raw.setValue("BGM Sound", 0);
    }
    Settings s = LoadSettings(QtSettingsStore());
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.waveOn, 1);
    EXPECT_EQ(s.bgmOn, 0);
    EXPECT_EQ(s.playerName, Settings{}.playerName);
}

// Saves on a thread of its own, so that a save that freezes fails the test instead of hanging
// it (the frozen thread is left behind, owning all it uses).
bool SavesWithin(const Settings& settings, std::chrono::milliseconds bound) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> saved = done->get_future();
    std::thread([settings, done] {
        {
            QtSettingsStore store;
            SaveSettings(store, settings);
        }
        done->set_value();
    }).detach();
    return saved.wait_for(bound) == std::future_status::ready;
}

// What this process writes into a lock it holds: its id, name, host, machine and boot.
QByteArray OwnLockText(const QString& lockFile) {
    QLockFile lock(lockFile);
    EXPECT_TRUE(lock.tryLock());
    QFile file(lockFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

qint64 AnEndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A run killed while writing leaves its lock behind. Whoever it names, no live process holds
// it, so the next save takes it over at once; the fault froze the window 19–32 s at its close.
TEST_F(QtSettingsStoreTest, ASaveTakesOverALockItsOwnerLeftBehind) {
    const QString lockFile = ProfileFile() + ".lock";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(lockFile).path()));
    QList<QByteArray> own = OwnLockText(lockFile).split('\n');
    ASSERT_GE(own.size(), 3);
    auto withId = [own](qint64 id) mutable {
        own[0] = QByteArray::number(id);
        return own.join('\n');
    };

    struct Case {
        const char* owner;
        QByteArray text;
    };
    const std::vector<Case> cases = {
        {"a process that has ended", withId(AnEndedProcessId())},
        // Containers start each run with the same process id.
        {"this very process, its id reused", withId(QCoreApplication::applicationPid())},
        {"a process of another machine", "4242\npelta\nelsewhere\n"},
        {"a run killed before it wrote anything", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.owner);
        QFile::remove(ProfileFile());
        QFile lock(lockFile);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(c.text);
        lock.close();

        const Settings saved{.level = 2, .waveOn = 0, .bgmOn = 1, .playerName = "ﾀﾛｳ"};
        ASSERT_TRUE(SavesWithin(saved, std::chrono::seconds(5))) << "the save froze";
        EXPECT_EQ(LoadSettings(QtSettingsStore()), saved);
        EXPECT_FALSE(QFile::exists(lockFile));
    }
}

// A live owner keeps its lock; a save that cannot have it in a moment is dropped instead of
// freezing the window.
TEST_F(QtSettingsStoreTest, ALockALiveProcessKeepsIsNeitherStolenNorWaitedOutForLong) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ProfileFile()).path()));
    QLockFile owner(ProfileFile() + ".lock");
    ASSERT_TRUE(owner.tryLock());

    ASSERT_TRUE(SavesWithin(Settings{.level = 3}, std::chrono::seconds(5))) << "the save froze";
    EXPECT_TRUE(owner.isLocked());
    EXPECT_TRUE(QFile::exists(ProfileFile() + ".lock"));
    EXPECT_FALSE(QFile::exists(ProfileFile()));
}

}  // namespace
}  // namespace pelta
