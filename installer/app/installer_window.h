#pragma once
// The installer's main dialog (template 1 in English, 2 in Japanese): the folder, Browse,
// the desktop shortcut box, Start and Cancel.

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace installer {

class MainDialog;

class InstallerWindow : public QDialog {
public:
    explicit InstallerWindow(MainDialog& dialog);

    QLineEdit* FolderEdit() const { return folder_; }
    QCheckBox* ShortcutBox() const { return shortcut_; }

    void done(int result) override;

private:
    void Browse();

    MainDialog& dialog_;
    QLineEdit* folder_;
    QCheckBox* shortcut_;
};

}  // namespace installer
