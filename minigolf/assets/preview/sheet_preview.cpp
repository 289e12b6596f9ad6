// Developer tool: shows the mini-golf sprite sheet, or a course laid out with its tiles, as a
// PNG enlarged without smoothing, so the pictures can be judged as a player sees them.

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kColumns = 40;
constexpr int kRows = 30;
constexpr int kTile = 16;
const QRgb kKeyColour = qRgb(255, 0, 255);

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: minigolf_sheet_preview [--scale N] [--course FILE [--hole N]] [--crop X,Y,W,H]\n"
                 "                              SHEET.bmp OUT.png\n"
                 "Writes the sprite sheet, or with --course the hole of that course file drawn\n"
                 "from the sheet's tiles under the status panel, enlarged N times (default 2);\n"
                 "--hole adds the hole-start banner for hole N with the course's par; --crop\n"
                 "keeps only that rectangle of the unenlarged picture.\n");
}

// Copies a sheet rectangle onto the picture, leaving out the key colour as the game does.
void DrawKeyed(QImage& picture, const QImage& sheet, QRect from, QPoint to) {
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            const QRgb c = sheet.pixel(from.x() + x, from.y() + y);
            if ((c & 0xffffff) != (kKeyColour & 0xffffff) && picture.rect().contains(to.x() + x, to.y() + y)) {
                picture.setPixel(to.x() + x, to.y() + y, c);
            }
        }
    }
}

// What the game shows as a hole starts: "HOLE" and its number, the par word and number, and the
// status panel's digits.
void DrawHoleStart(QImage& picture, const QImage& sheet, int hole, int par) {
    const auto large = [&](int digit, int x, int y) { DrawKeyed(picture, sheet, QRect(112 + 32 * digit, 64, 32, 48), QPoint(x, y)); };
    const auto small = [&](int digit, int x, int y) { DrawKeyed(picture, sheet, QRect(32 + 32 * digit, 16, 32, 32), QPoint(x, y)); };
    small(hole / 10 % 10, 64, 432);
    small(hole % 10, 96, 432);
    small(0, 246, 432);
    small(0, 278, 432);
    small(0, 400, 432);
    small(1, 432, 432);
    DrawKeyed(picture, sheet, QRect(0, 64, 112, 48), QPoint(200, 100));
    large(hole / 10 % 10, 328, 100);
    large(hole % 10, 360, 100);
    large(par % 10, 310, 180);
    DrawKeyed(picture, sheet, QRect(110, 192, 80, 40), QPoint(230, 184));
}

bool DrawCourse(QImage& picture, const QImage& sheet, const QString& path, int hole) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != 2420) {
        return false;
    }
    for (int i = 0; i < kColumns * kRows; ++i) {
        const auto lo = static_cast<unsigned char>(bytes[2 * i]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
        const auto code = static_cast<std::int16_t>(lo | hi << 8);
        DrawKeyed(picture, sheet, QRect(kTile * code, 0, kTile, kTile), QPoint(kTile * (i % kColumns), kTile * (i / kColumns)));
    }
    double start[2];
    std::memcpy(start, bytes.constData() + 2404, sizeof start);
    DrawKeyed(picture, sheet, QRect(352, 16, 180, 32), QPoint(0, 370));
    DrawKeyed(picture, sheet, QRect(0, 48, 96, 16), QPoint(8, 380));
    DrawKeyed(picture, sheet, QRect(0, 112, 640, 80), QPoint(0, 400));
    if (hole > 0) {
        std::int32_t par = 0;
        std::memcpy(&par, bytes.constData() + 2400, sizeof par);
        DrawHoleStart(picture, sheet, hole, par);
    } else {
        DrawKeyed(picture, sheet, QRect(0, 32, 16, 16), QPoint(static_cast<int>(start[0]), static_cast<int>(start[1])));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int scale = 2;
    int hole = 0;
    QString course;
    QRect crop;
    QStringList paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            PrintUsage(stdout);
            return 0;
        } else if (arg == "--scale" && i + 1 < argc) {
            scale = std::atoi(argv[++i]);
        } else if (arg == "--course" && i + 1 < argc) {
            course = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--hole" && i + 1 < argc) {
            hole = std::atoi(argv[++i]);
        } else if (arg == "--crop" && i + 1 < argc) {
            int x = 0, y = 0, w = 0, h = 0;
            if (std::sscanf(argv[++i], "%d,%d,%d,%d", &x, &y, &w, &h) != 4 || w <= 0 || h <= 0) {
                PrintUsage(stderr);
                return 2;
            }
            crop = QRect(x, y, w, h);
        } else if (arg.starts_with("-")) {
            PrintUsage(stderr);
            return 2;
        } else {
            paths << QString::fromLocal8Bit(argv[i]);
        }
    }
    if (paths.size() != 2 || scale < 1 || scale > 8 || hole < 0 || hole > 99 || (hole > 0 && course.isEmpty())) {
        PrintUsage(stderr);
        return 2;
    }
    const QImage sheet = QImage(paths[0]).convertToFormat(QImage::Format_RGB32);
    if (sheet.isNull()) {
        std::fprintf(stderr, "minigolf_sheet_preview: cannot read %s\n", argv[argc - 2]);
        return 1;
    }
    QImage picture = sheet;
    if (!course.isEmpty()) {
        picture = QImage(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::black);
        if (!DrawCourse(picture, sheet, course, hole)) {
            std::fprintf(stderr, "minigolf_sheet_preview: %s is not a 2420-byte course file\n", qPrintable(course));
            return 1;
        }
    }
    if (!crop.isNull()) {
        picture = picture.copy(crop);
    }
    const QImage large = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!large.save(paths[1], "PNG")) {
        std::fprintf(stderr, "minigolf_sheet_preview: cannot write %s\n", qPrintable(paths[1]));
        return 1;
    }
    return 0;
}
