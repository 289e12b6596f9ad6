#pragma once
// What a user does to a widget, for the Qt tests: typing, the clipboard, the addresses opened.

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QObject>
#include <QUrl>
#include <QWidget>
#include <vector>

namespace test_support {

// Types text the way a keyboard does, one key event per character.
inline void TypeText(QWidget& widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &release);
    }
}

inline void SetClipboard(const QString& text) { QApplication::clipboard()->setText(text); }
inline QString Clipboard() { return QApplication::clipboard()->text(); }

// Catches the addresses the dialogs open instead of starting a browser.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    std::vector<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

}  // namespace test_support
