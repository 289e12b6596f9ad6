// peltaⅡ: the batting game's application.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "pelta/app/main_frame.h"
#include "pelta/model/sprite_index.h"
#include "pelta/pictures/load_picture.h"
#include "common/qt/termination.h"
#include "pelta/settings/application_names.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // First of all: the sound library would otherwise catch the signals of the start-up and
    // forget them. Until the window exists there is nothing to save.
    pelta::CMainFrame* running = nullptr;
    qt::OnTermination(&app, [&running] {
        if (running) running->view().Destroy();
    });

    pelta::SetApplicationNames();
    // The batter's victory pose stands for the game.
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(pelta::LoadPicture(pelta::SpriteIndex::BatterVictory))));

    pelta::CMainFrame frame;
    if (!frame.Create()) return 1;
    running = &frame;
    frame.show();
    return QApplication::exec();
}
