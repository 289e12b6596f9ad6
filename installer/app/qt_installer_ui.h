#pragma once
// The installer's windows in Qt: its main dialog, folder choosers and message boxes, and the
// start of the installed utility.

#include <QPointer>
#include <QWidget>

#include "installer/core/installer_ui.h"

namespace installer {

class QtInstallerUi : public InstallerUi {
public:
    void RunMainDialog(MainDialog& dialog) override;
    std::optional<std::string> ChooseFolder(const FolderRequest& request) override;
    void ShowMessage(const Message& message) override;
    void StartProgram(const ProgramStart& start) override;

private:
    QPointer<QWidget> mainWindow_;  // the choosers' owner while the main dialog is up
};

}  // namespace installer
