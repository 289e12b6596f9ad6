#include "settings/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

}  // namespace
}  // namespace pelta
