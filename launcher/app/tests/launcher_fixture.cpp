#include "launcher_fixture.h"

#include <QApplication>
#include <QWidget>

#include "common/text/sjis.h"

namespace test_support {

namespace {

std::string Cp932(const std::string& utf8) { return sjis::FromUtf8(utf8).value(); }

}  // namespace

LauncherFixture::LauncherFixture() : lock_(std::make_unique<QLockFile>(lockPath())) {}

QString LauncherFixture::lockPath() const { return QString::fromStdString((dir_.path() / "instance.lock").string()); }

void LauncherFixture::WriteGameList(const std::string& utf8Csv) const { dir_.Write("etcdata/game.csv", Cp932(utf8Csv)); }

void LauncherFixture::WriteSettings(const std::string& utf8Ini) const { dir_.Write("etcdata/set.ini", Cp932(utf8Ini)); }

void LauncherFixture::WriteDescription(const std::string& name, const std::string& utf8Text) const {
    dir_.Write("etcdata/" + name, Cp932(utf8Text));
}

void LauncherFixture::WritePicture(const std::string& name, QColor color) const {
    QImage picture(192, 132, QImage::Format_RGB32);
    picture.fill(color);
    std::filesystem::create_directories(dir_.path() / "etcdata");
    picture.save(QString::fromStdString((dir_.path() / "etcdata" / name).string()), "BMP");
}

void LauncherFixture::WriteCollection(int games) const {
    std::string csv;
    for (int i = 0; i < games; ++i) {
        const std::string n = std::to_string(i);
        csv += "ゲーム" + n + ",game" + n + ",run" + n + ",d" + n + ".txt,p" + n + ".bmp\r\n";
        WriteDescription("d" + n + ".txt", "説明" + n + "\r\n\r\n二行目");
        WritePicture("p" + n + ".bmp", QColor(10 * i, 100, 200));
    }
    WriteGameList(csv);
    WriteSettings("\"テスト集\"\r\n0,0,128\r\n255,255,0\r\n255,255,255\r\n0,0,0\r\n");
    QImage background(605, 437, QImage::Format_RGB32);
    background.fill(QColor(240, 240, 255));
    background.save(QString::fromStdString((dir_.path() / "etcdata" / "GAMES.BMP").string()), "BMP");
    dir_.Write("etcdata/click.wav", "RIFF");
    dir_.Write("etcdata/click2.wav", "RIFF");
}

launcher::LauncherServices LauncherFixture::Services() {
    launcher::LauncherServices s;
    s.playAndWait = [this](const std::filesystem::path& file) { recorded.sounds.push_back(file.filename().string()); };
    s.startProcess = [this](const launcher::LaunchPlan& plan) {
        recorded.started.push_back(plan);
        return recorded.startSucceeds;
    };
    s.showMessage = [this](const QString& text) {
        recorded.messages.push_back(text);
        bool splash = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmSplash" && w->isVisible()) splash = true;
        recorded.splashVisibleAtMessage.push_back(splash);
    };
    s.quit = [this] { ++recorded.quits; };
    return s;
}

std::unique_ptr<launcher::Form1> LauncherFixture::Load() {
    return Form_Load(launcher::StartupPlaces{dir_.path(), supportTarget()}, Services(), *lock_);
}

}  // namespace test_support
