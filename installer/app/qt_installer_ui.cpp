#include "installer/app/qt_installer_ui.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include "installer/app/installer_window.h"

namespace installer {
namespace {

// A folder that does not exist yet opens the chooser at the nearest one that does, rather than
// wherever the program was started.
QString NearestExistingFolder(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    while (!path.isEmpty() && !QFileInfo(path).isDir()) {
        const qsizetype slash = path.lastIndexOf('/');
        if (slash < 0) return folder;
        path.truncate(slash == 0 ? 1 : slash);
    }
    return path;
}

}  // namespace

void QtInstallerUi::RunMainDialog(MainDialog& dialog) {
    InstallerWindow window(dialog);
    mainWindow_ = &window;
    window.exec();
}

std::optional<std::string> QtInstallerUi::ChooseFolder(const FolderRequest& request) {
    const QString title = QString::fromStdString(request.title);
    const QString start = NearestExistingFolder(QString::fromStdString(request.start));
    QString chosen;
    if (request.directoryPicker) {
        // The plain directory list of the old shell: Qt's own dialog, never the desktop's.
        chosen = QFileDialog::getExistingDirectory(mainWindow_, title, start,
                                                   QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (!chosen.isEmpty() && !chosen.endsWith('/')) chosen += '/';
    } else {
        chosen = QFileDialog::getExistingDirectory(mainWindow_, title, start, QFileDialog::ShowDirsOnly);
    }
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

void QtInstallerUi::ShowMessage(const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QString::fromStdString(message.caption), QString::fromStdString(message.text), QMessageBox::Ok);
    box.exec();
}

void QtInstallerUi::StartProgram(const ProgramStart& start) {
    QStringList arguments;
    for (const std::string& a : start.arguments) arguments << QString::fromStdString(a);
    QProcess::startDetached(QString::fromStdString(start.program), arguments,
                            QString::fromStdString(start.workingDirectory));
}

}  // namespace installer
