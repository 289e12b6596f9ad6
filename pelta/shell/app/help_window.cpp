#include "pelta/app/help_window.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pelta {

void ShowHelpWindow(QWidget* parent) {
    // One help window at a time; it stays open beside the game, like a help viewer.
    static QDialog* window = nullptr;
    if (!window) {
        window = new QDialog(parent);
        window->setWindowTitle("peltaⅡ ヘルプ");
        auto* browser = new QTextBrowser(window);
        browser->setOpenExternalLinks(true);
        QFile page(":/help/pelta_help.html");
        page.open(QIODevice::ReadOnly);
        browser->setHtml(QString::fromUtf8(page.readAll()));
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        window->resize(560, 520);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace pelta
