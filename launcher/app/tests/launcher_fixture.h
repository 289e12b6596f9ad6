#pragma once
// A small collection folder made for one test, and services that record what the launcher
// asks of the world instead of doing it.

#include <QImage>
#include <QLockFile>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "launcher/app/form_load.h"
#include "common/testing/temp_dir.h"

namespace test_support {

struct Recorded {
    std::vector<std::string> sounds;  // file names played, in order
    std::vector<QString> messages;
    std::vector<launcher::LaunchPlan> started;
    int quits = 0;
    bool startSucceeds = true;
    // Whether the splash window was on screen when each message was shown.
    std::vector<bool> splashVisibleAtMessage;
};

class LauncherFixture {
public:
    LauncherFixture();

    // The data files, written from UTF-8 as the Shift-JIS the launcher reads.
    void WriteGameList(const std::string& utf8Csv) const;
    void WriteSettings(const std::string& utf8Ini) const;
    void WriteDescription(const std::string& name, const std::string& utf8Text) const;
    void WritePicture(const std::string& name, QColor color) const;

    // Three games with their texts and pictures, settings, background and sounds.
    void WriteCollection(int games = 3) const;

    launcher::LauncherServices Services();
    std::unique_ptr<launcher::Form1> Load();

    const std::filesystem::path& dir() const { return dir_.path(); }
    const TempDir& temp() const { return dir_; }
    std::filesystem::path supportTarget() const { return dir_.path() / "user-lib"; }
    QString lockPath() const;

    Recorded recorded;

private:
    TempDir dir_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace test_support
