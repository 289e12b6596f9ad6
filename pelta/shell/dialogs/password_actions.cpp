#include "pelta/dialogs/password_actions.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSettings>
#include <QUrl>

namespace pelta {

QString RankingPageUrl() {
    return QSettings().value(QStringLiteral("Settings/RankingUrl"),
                             QStringLiteral("https://pelta.example.invalid/ranking/"))
        .toString();
}

void OpenRankingPage() { QDesktopServices::openUrl(QUrl(RankingPageUrl())); }

QString PasswordText(const std::string& password) {
    return QString::fromLatin1(password.data(), static_cast<qsizetype>(password.size()));
}

void CopyPassword(QLineEdit& edit) {
    // The button promises the password, so the whole of it is copied whatever part of the
    // edit is selected; the selection then shows what went to the clipboard. An empty
    // password leaves the clipboard alone.
    if (edit.text().isEmpty()) return;
    QGuiApplication::clipboard()->setText(edit.text());
    edit.selectAll();
}

}  // namespace pelta
