#include "installer/app/installer_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "installer/core/main_dialog.h"
#include "common/qt/dialog_template.h"

namespace installer {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Controls keep their resource identifiers as object names.
template <typename Widget>
Widget* Control(QWidget* parent, const char* id, const QString& text) {
    auto* widget = new Widget(text, parent);
    widget->setObjectName(id);
    return widget;
}

}  // namespace

InstallerWindow::InstallerWindow(MainDialog& dialog) : dialog_(dialog) {
    const MainDialogTexts& texts = dialog.Texts();
    setObjectName(QStringLiteral("dialog%1").arg(texts.templateId));
    // One face for both languages: it carries the Latin letters of the English dialog too.
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, Q(texts.title), kMainDialogWidth, kMainDialogHeight);

    qt::Place(*new QLabel(Q(texts.folderLabel), this), du, 7, 7, 120, 8);
    folder_ = Control<QLineEdit>(this, "101", Q(dialog.Folder()));
    qt::Place(*folder_, du, 7, 17, 180, 12);
    auto* browse = Control<QPushButton>(this, "102", Q(texts.browse));
    qt::Place(*browse, du, 107, 32, 80, 14);
    shortcut_ = Control<QCheckBox>(this, "103", Q(texts.shortcut));
    shortcut_->setChecked(dialog.ShortcutTicked());
    shortcut_->setEnabled(dialog.ShortcutEnabled());
    qt::Place(*shortcut_, du, 7, 49, 180, 10);
    auto* start = Control<QPushButton>(this, "1", Q(texts.start));
    start->setDefault(true);
    qt::Place(*start, du, 57, 63, 80, 14);
    auto* cancel = Control<QPushButton>(this, "2", Q(texts.cancel));
    qt::Place(*cancel, du, 141, 63, 46, 14);

    connect(browse, &QPushButton::clicked, this, &InstallerWindow::Browse);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void InstallerWindow::Browse() { folder_->setText(Q(dialog_.Browse(folder_->text().toStdString()))); }

void InstallerWindow::done(int result) {
    // Escape and the close box end the dialog as Cancel does.
    if (result == Accepted) {
        dialog_.Start(folder_->text().toStdString(), shortcut_->isChecked());
    } else {
        dialog_.Cancel();
    }
    QDialog::done(result);
}

}  // namespace installer
