#include "launcher/app/launcher_services.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

#include "launcher/app/qt_text.h"
#include "launcher/core/messages.h"

namespace launcher {

LauncherServices DesktopServices(std::function<void(const std::filesystem::path&)> playAndWait) {
    LauncherServices services;
    services.playAndWait = std::move(playAndWait);
    services.startProcess = [](const LaunchPlan& plan) {
        QStringList arguments;
        for (const std::string& a : plan.arguments) arguments << QString::fromStdString(a);
        return QProcess::startDetached(QString::fromStdString(plan.program.string()), arguments,
                                       QString::fromStdString(plan.workingDirectory.string()));
    };
    services.showMessage = [](const QString& text) {
        // No icon, one OK button, the application's title as the caption.
        QMessageBox box(QMessageBox::NoIcon, ToQString(kDefaultCaption), text,
                        QMessageBox::Ok);
        box.exec();
    };
    services.quit = [] { QCoreApplication::quit(); };
    return services;
}

}  // namespace launcher
