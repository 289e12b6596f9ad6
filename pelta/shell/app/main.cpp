// peltaⅡ: the batting game's application.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "app/main_frame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings' place: Software\Ondo's Software\pelta on Windows, the XDG config folder here.
    QApplication::setOrganizationName("Ondo's Software");
    QApplication::setApplicationName("pelta");
    QApplication::setWindowIcon(QIcon(":/icons/pelta.png"));

    pelta::CMainFrame frame;
    if (!frame.Create()) return 1;
    frame.show();
    return QApplication::exec();
}
