// A game's picture for the launcher from one screenshot of the real program: a part of it,
// scaled down smoothly to fit the 192 × 132 picture box without changing its proportions.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "command_line.h"
#include "picture_files.h"

int main(int argc, char** argv) {
    const auto args = tool::PositionalArguments(
        argc, argv,
        "OUTPUT.bmp SCREEN.png X Y WIDTH HEIGHT\n"
        "Cuts WIDTH × HEIGHT from (X, Y) of SCREEN and scales it to fit 192 × 132, centred.",
        6, 6);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage screen(QString::fromStdString(args[1]));
    if (screen.isNull()) {
        std::fprintf(stderr, "fit_picture: cannot read %s\n", args[1].c_str());
        return 1;
    }
    QRect part;
    try {
        part = QRect(std::stoi(args[2]), std::stoi(args[3]), std::stoi(args[4]), std::stoi(args[5]));
    } catch (const std::logic_error&) {
        std::fprintf(stderr, "fit_picture: X, Y, WIDTH and HEIGHT are whole numbers\n");
        return 2;
    }
    if (part.isEmpty() || !screen.rect().contains(part)) {
        std::fprintf(stderr, "fit_picture: the part is not within the %d × %d screen\n", screen.width(),
                     screen.height());
        return 1;
    }
    constexpr int kWidth = 192, kHeight = 132;
    const QImage fitted = screen.copy(part).scaled(kWidth, kHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 128));
    QPainter p(&picture);
    p.drawImage((kWidth - fitted.width()) / 2, (kHeight - fitted.height()) / 2, fitted);
    p.end();
    return launcher_art::WriteBmp24(args[0], picture) ? 0 : 1;
}
