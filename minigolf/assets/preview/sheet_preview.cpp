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
                 "usage: minigolf_sheet_preview [--scale N] [--course FILE] [--crop X,Y,W,H] SHEET.bmp OUT.png\n"
                 "Writes the sprite sheet, or with --course the hole of that course file drawn\n"
                 "from the sheet's tiles under the status panel, enlarged N times (default 2);\n"
                 "--crop keeps only that rectangle of the unenlarged picture.\n");
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

bool DrawCourse(QImage& picture, const QImage& sheet, const QString& path) {
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
    DrawKeyed(picture, sheet, QRect(0, 32, 16, 16), QPoint(static_cast<int>(start[0]), static_cast<int>(start[1])));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int scale = 2;
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
    if (paths.size() != 2 || scale < 1 || scale > 8) {
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
        if (!DrawCourse(picture, sheet, course)) {
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
