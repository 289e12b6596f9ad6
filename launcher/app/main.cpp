// game: the collection's launcher.
#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include "launcher/app/form_load.h"
#include "launcher/app/launcher_services.h"
#include "common/qt/termination.h"
#include "common/sdl_audio/open_wav_player.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Before the sound library, which would otherwise take SIGTERM for an event queue nobody
    // reads, so that a logout or a kill still ends the launcher. It has nothing to save.
    qt::OnTermination(&app, [] {});
    // One launcher per user, as one per desktop session was the rule.
    QLockFile instanceLock(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                           "/game-collection-launcher.lock");
    // The per-user counterpart of the system folder that support files were copied into.
    const launcher::StartupPlaces places{QCoreApplication::applicationDirPath().toStdString(),
                                         (QDir::homePath() + "/.local/lib").toStdString()};
    // Clicks play one at a time, each to its end before the button acts.
    const auto sound = audio::OpenWavPlayer(audio::Voices::One);
    const launcher::LauncherServices services = launcher::DesktopServices(
        [&sound](const std::filesystem::path& file) { sound->PlayAndWait(file.string()); });

    const auto form = launcher::Form_Load(places, services, instanceLock);
    if (!form) return 1;
    form->show();
    return QApplication::exec();
}
