// peltaⅡ: the batting game's application.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/main_frame.h"
#include "model/sprite_index.h"
#include "pictures/load_picture.h"
#include "qt/termination.h"
#include "settings/application_names.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pelta::SetApplicationNames();
    // The batter's victory pose stands for the game.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pelta::LoadPicture(pelta::SpriteIndex::BatterVictory))));

    pelta::CMainFrame frame;
    if (!frame.Create()) return 1;
    qt::OnTermination(&frame, [&frame] { frame.view().Destroy(); });
    frame.show();
    return QApplication::exec();
}
