// peltaⅡ: the batting game's application.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/main_frame.h"
#include "app/termination.h"
#include "model/sprite_index.h"
#include "pictures/load_picture.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings' place: Software\Ondo's Software\pelta on Windows, the XDG config folder here.
    QApplication::setOrganizationName("Ondo's Software");
    QApplication::setApplicationName("pelta");
    // The batter's victory pose stands for the game.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pelta::LoadPicture(pelta::SpriteIndex::BatterVictory))));

    pelta::CMainFrame frame;
    if (!frame.Create()) return 1;
    pelta::OnTermination(&frame, [&frame] { frame.view().Destroy(); });
    frame.show();
    return QApplication::exec();
}
