// Paints the launcher's pictures: the window background "GAMES.BMP", the five button pictures
// and the window icon.
// Everything is drawn from shapes here, so the pictures are reviewed by reading this file and
// looking at the output.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "tools/command-line/command_line.h"
#include "launcher/generators/palette16.h"
#include "launcher/generators/picture_files.h"

namespace launcher_art {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kSilver(192, 192, 192);
const QColor kGray(128, 128, 128);

QFont Face(int pixelSize, bool bold) {
    QFont font("IPAPGothic");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QImage Canvas(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// A compact disc seen from above: silver with a rainbow sheen, a clear hub and a hole.
void PaintDisc(QPainter& p, QPointF centre, double radius) {
    p.setPen(QPen(kGray, std::max(1.0, radius / 40)));
    QConicalGradient sheen(centre, 30);
    const QColor stops[] = {kSilver, QColor(255, 200, 230), QColor(200, 230, 255), QColor(230, 255, 200),
                            kSilver, QColor(255, 240, 190), QColor(190, 220, 255), kSilver};
    for (int i = 0; i < 8; ++i) sheen.setColorAt(i / 7.0, stops[i]);
    p.setBrush(sheen);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(centre, radius * 0.36, radius * 0.36);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.14, radius * 0.14);
}

QImage Background() {
    QImage image = Canvas(605, 437, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Title lettering at the top right, clear of the title plate at the left.
    p.setFont(Face(34, true));
    const QRect title(230, 6, 366, 42);
    p.setPen(kSilver);
    p.drawText(title.translated(3, 3), Qt::AlignRight | Qt::AlignVCenter, "ゲーム集");
    p.setPen(kNavy);
    p.drawText(title, Qt::AlignRight | Qt::AlignVCenter, "ゲーム集");
    QFont small = Face(10, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(small);
    p.setPen(kGray);
    p.drawText(QRect(230, 46, 366, 12), Qt::AlignRight | Qt::AlignVCenter, "GAME COLLECTION");

    // A rule under the heading, right of the title plate, fading out to the right.
    QLinearGradient rule(208, 0, 605, 0);
    rule.setColorAt(0, kNavy);
    rule.setColorAt(1, Qt::white);
    p.fillRect(QRect(208, 60, 389, 2), rule);

    // A disc in the free corner below the picture.
    PaintDisc(p, QPointF(104, 318), 86);
    p.setFont(Face(13, true));
    p.setPen(kNavy);
    p.drawText(QRect(8, 410, 200, 20), Qt::AlignHCenter | Qt::AlignVCenter, "Vol.1");
    return image;
}

// A white-gloved hand with its forefinger pointing left (mirrored for right), in 16 colours.
QImage Hand(bool right) {
    QImage image = Canvas(32, 32, Qt::transparent);
    QPainter p(&image);
    if (right) p.setTransform(QTransform(-1, 0, 0, 1, 32, 0));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(12, 9, 13, 16), 3, 3);       // back of the hand
    p.drawRoundedRect(QRectF(1, 9, 18, 5), 2.5, 2.5);     // forefinger
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(8 + i, 14 + i * 4, 8, 4), 2, 2);  // curled fingers
    p.drawRoundedRect(QRectF(11, 5, 10, 5), 2.5, 2.5);   // thumb along the forefinger
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(QRectF(25, 10, 5, 14));                   // cuff
    return ToPalette16(image);
}

QImage Shuttle() {
    QImage image = Canvas(34, 33, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(17, 17);
    p.rotate(45);  // climbing to the upper right
    QRadialGradient flame(QPointF(0, 13), 7);
    flame.setColorAt(0, Qt::yellow);
    flame.setColorAt(1, QColor(255, 100, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flame);
    p.drawEllipse(QPointF(0, 15), 5, 8);
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(-3, -6), QPointF(-11, 9), QPointF(11, 9), QPointF(3, -6)}));  // wings
    QPainterPath body;
    body.moveTo(0, -15);
    body.cubicTo(3, -12, 3.5, -8, 3.5, -4);
    body.lineTo(3.5, 11);
    body.lineTo(-3.5, 11);
    body.lineTo(-3.5, -4);
    body.cubicTo(-3.5, -8, -3, -12, 0, -15);
    p.drawPath(body);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(0, -15), QPointF(2.2, -11), QPointF(-2.2, -11)}));  // nose
    p.drawRect(QRectF(-1.5, -9, 3, 2));                                               // windows
    p.drawPolygon(QPolygonF({QPointF(0, 2), QPointF(1, 11), QPointF(-1, 11)}));        // tail fin
    return image;
}

QImage DiscIntoDrive() {
    QImage image = Canvas(36, 30, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The drive, a beige box with its slot.
    p.setPen(QPen(QColor(90, 80, 60), 1));
    p.setBrush(QColor(225, 215, 185));
    p.drawRect(QRectF(1.5, 18.5, 33, 10));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(6.5, 21.5, 18, 2));
    p.setBrush(QColor(0, 200, 0));
    p.drawRect(QRectF(28.5, 24.5, 3, 2));
    // The disc, tilted, half over the slot.
    p.save();
    p.translate(15, 11);
    p.scale(1, 0.55);
    PaintDisc(p, QPointF(0, 0), 10);
    p.restore();
    // The red arrow into the slot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawPolygon(QPolygonF({QPointF(27, 1), QPointF(31, 1), QPointF(31, 9), QPointF(34, 9), QPointF(29, 15),
                             QPointF(24, 9), QPointF(27, 9)}));
    return image;
}

QImage ExitSign() {
    QImage image = Canvas(36, 30, Qt::transparent);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::yellow);
    p.drawRect(QRect(1, 6, 33, 17));
    p.setPen(QPen(kGray, 1));
    p.drawLine(12, 1, 12, 6);
    p.drawLine(23, 1, 23, 6);
    QFont font = Face(13, true);
    font.setStretch(QFont::SemiCondensed);
    p.setFont(font);
    p.setPen(Qt::red);
    p.drawText(QRect(2, 7, 32, 16), Qt::AlignCenter, "EXIT");
    return image;
}

QImage DiscIcon(int size) {
    QImage image = Canvas(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintDisc(p, QPointF(size / 2.0, size / 2.0), size / 2.0 - 0.75);
    return ToPalette16(image);
}

}  // namespace
}  // namespace launcher_art

int main(int argc, char** argv) {
    const auto args = tool::PositionalArguments(argc, argv,
                                                "data|icons OUTPUT_FOLDER\n"
                                                "data: the background GAMES.BMP;\n"
                                                "icons: the button pictures and the window icon.",
                                                2, 2);
    if (args[0] != "data" && args[0] != "icons") {
        std::fprintf(stderr, "paint_pictures: unknown set %s (data or icons)\n", args[0].c_str());
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace launcher_art;
    const std::filesystem::path dir = args[1];
    bool ok = true;
    if (args[0] == "data") {
        ok = WriteBmp24(dir / "GAMES.BMP", Background()) && ok;
    } else {
        ok = WritePng(dir / "hand_left.png", Hand(false)) && ok;
        ok = WritePng(dir / "hand_right.png", Hand(true)) && ok;
        ok = WritePng(dir / "shuttle.png", Shuttle()) && ok;
        ok = WritePng(dir / "disc_into_drive.png", DiscIntoDrive()) && ok;
        ok = WritePng(dir / "exit_sign.png", ExitSign()) && ok;
        ok = WritePng(dir / "disc_32.png", DiscIcon(32)) && ok;
        ok = WritePng(dir / "disc_16.png", DiscIcon(16)) && ok;
    }
    return ok ? 0 : 1;
}
