#include "launcher/app/form_load.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include "launcher/app/frm_splash.h"
#include "launcher/app/qt_text.h"
#include "launcher/core/data_files.h"
#include "launcher/core/messages.h"
#include "launcher/core/path_lookup.h"
#include "launcher/core/startup_files.h"

namespace launcher {
std::unique_ptr<Form1> Form_Load(const StartupPlaces& places, const LauncherServices& services, QLockFile& instanceLock) {
    frmSplash splash;
    splash.show();
    QCoreApplication::processEvents();

    // Absolute before the current folder changes under a relative one.
    const std::filesystem::path launcherDir = std::filesystem::absolute(places.launcherDir);
    QDir::setCurrent(QString::fromStdString(launcherDir.string()));
    if (const auto supportFiles = FindPath(launcherDir, kSupportFilesFolder))
        CopyStartupFiles(*supportFiles, places.supportFilesTarget);
    // The input method is left alone: Qt cannot close it for a window, and this window takes
    // no typed text (its description box is read-only), so none is ever opened for it.

    // Only a lock whose launcher is gone is stale, however long the running one has held it.
    instanceLock.setStaleLockTime(0);
    if (!instanceLock.tryLock(0)) {
        services.showMessage(ToQString(kAlreadyRunning));
        return nullptr;
    }
    const std::optional<GameList> list = LoadGameList(launcherDir);
    if (!list) {
        services.showMessage(ToQString(kGameListMissing));
        return nullptr;
    }
    auto form = std::make_unique<Form1>(launcherDir, services);
    form->SetGameList(*list);
    const std::optional<LauncherSettings> settings = LoadLauncherSettings(launcherDir);
    if (!settings) {
        services.showMessage(ToQString(kSettingsMissing));
        return nullptr;
    }
    form->ApplySettings(*settings);
    form->LoadBackground();
    form->LoadEntryPicture();
    if (!form->LoadEntryDescription()) {
        services.showMessage(ToQString(kDescriptionMissing));
        return nullptr;
    }
    form->ShowTitle();
    return form;
}

}  // namespace launcher
