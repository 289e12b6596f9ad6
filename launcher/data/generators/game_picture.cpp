// A game's picture for the launcher from two screenshots of the real program: the whole field
// scaled down above, a part of the second shot at full size below, 192 × 132 in all.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "command_line.h"
#include "picture_files.h"

int main(int argc, char** argv) {
    const auto args = tool::PositionalArguments(
        argc, argv,
        "OUTPUT.bmp OVERVIEW.png CLOSEUP.png CROP_X CROP_Y\n"
        "Scales OVERVIEW to 192 pixels wide above a 192-wide cut of CLOSEUP from (CROP_X, CROP_Y).",
        5, 5);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage overview(QString::fromStdString(args[1]));
    const QImage closeup(QString::fromStdString(args[2]));
    if (overview.isNull() || closeup.isNull()) {
        std::fprintf(stderr, "game_picture: cannot read %s or %s\n", args[1].c_str(), args[2].c_str());
        return 1;
    }
    constexpr int kWidth = 192, kHeight = 132, kRule = 2;
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 128));
    QPainter p(&picture);
    const QImage top = overview.scaledToWidth(kWidth, Qt::SmoothTransformation);
    p.drawImage(0, 0, top);
    const int below = top.height() + kRule;
    p.drawImage(QPoint(0, below), closeup.copy(std::stoi(args[3]), std::stoi(args[4]), kWidth, kHeight - below));
    p.end();
    return launcher_art::WriteBmp24(args[0], picture) ? 0 : 1;
}
