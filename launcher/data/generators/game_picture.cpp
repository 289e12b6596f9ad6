// A game's picture for the launcher, 192 × 132, from screenshots of the real program, in one of
// two layouts:
//   split: the whole of one shot scaled down above, a part of another at full size below;
//   fit:   a part of one shot scaled down smoothly to fit, keeping its proportions.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/command-line/command_line.h"
#include "launcher/generators/picture_files.h"

namespace launcher_art {
namespace {

QImage Split(const QImage& overview, const QImage& closeup, QPoint cut) {
    constexpr int kRule = 2;
    QImage picture = BlankPicture();
    QPainter p(&picture);
    const QImage top = overview.scaledToWidth(kPictureWidth, Qt::SmoothTransformation);
    p.drawImage(0, 0, top);
    const int below = top.height() + kRule;
    p.drawImage(QPoint(0, below), closeup.copy(cut.x(), cut.y(), kPictureWidth, kPictureHeight - below));
    return picture;
}

QImage Fit(const QImage& screen, const QRect& part) {
    const QImage fitted =
        screen.copy(part).scaled(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage picture = BlankPicture();
    QPainter p(&picture);
    p.drawImage((kPictureWidth - fitted.width()) / 2, (kPictureHeight - fitted.height()) / 2, fitted);
    return picture;
}

// The numbers that end the arguments, or nothing (with the reason printed) if one is not a number.
std::optional<std::vector<int>> Numbers(const std::vector<std::string>& args, std::size_t from) {
    std::vector<int> numbers;
    try {
        for (std::size_t i = from; i < args.size(); ++i) numbers.push_back(std::stoi(args[i]));
    } catch (const std::logic_error&) {
        std::fputs("game_picture: the positions and sizes are whole numbers\n", stderr);
        return std::nullopt;
    }
    return numbers;
}

}  // namespace
}  // namespace launcher_art

int main(int argc, char** argv) {
    const auto args = tool::PositionalArguments(
        argc, argv,
        "split OUTPUT.bmp OVERVIEW.png CLOSEUP.png CUT_X CUT_Y | fit OUTPUT.bmp SCREEN.png X Y WIDTH HEIGHT\n"
        "split: OVERVIEW scaled to 192 pixels wide above a 192-wide cut of CLOSEUP from (CUT_X, CUT_Y);\n"
        "fit: WIDTH × HEIGHT of SCREEN from (X, Y), scaled to fit 192 × 132 and centred.",
        6, 7);
    using namespace launcher_art;
    const bool split = args[0] == "split" && args.size() == 6;
    if (!split && !(args[0] == "fit" && args.size() == 7)) {
        std::fprintf(stderr, "game_picture: %s with %zu arguments is neither layout\n", args[0].c_str(),
                     args.size() - 1);
        return 2;
    }
    const auto numbers = Numbers(args, split ? 4 : 3);
    if (!numbers) return 2;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage first = ReadScreenshot(args[2]);
    if (first.isNull()) return 1;
    QImage picture;
    if (split) {
        const QImage closeup = ReadScreenshot(args[3]);
        if (closeup.isNull()) return 1;
        picture = Split(first, closeup, {(*numbers)[0], (*numbers)[1]});
    } else {
        const QRect part((*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]);
        if (part.isEmpty() || !first.rect().contains(part)) {
            std::fprintf(stderr, "game_picture: the part is not within the %d × %d screen\n", first.width(),
                         first.height());
            return 1;
        }
        picture = Fit(first, part);
    }
    return WriteBmp24(args[1], picture) ? 0 : 1;
}
