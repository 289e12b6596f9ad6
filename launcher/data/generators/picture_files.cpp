#include "launcher/generators/picture_files.h"

#include <cstdio>

#include "common/files/bmp_writer.h"

namespace launcher_art {

bool WriteBmp24(const std::filesystem::path& path, const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    files::TrueColourImage bmp{rgb.width(), rgb.height(), {}};
    bmp.pixels.reserve(static_cast<std::size_t>(rgb.width() * rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            bmp.pixels.push_back({static_cast<std::uint8_t>(qRed(row[x])), static_cast<std::uint8_t>(qGreen(row[x])),
                                  static_cast<std::uint8_t>(qBlue(row[x]))});
    }
    const files::WriteResult result = files::WriteBmp(path, bmp);
    if (!result) std::fprintf(stderr, "%s: %s\n", path.c_str(), result.error.c_str());
    return static_cast<bool>(result);
}

bool WritePng(const std::filesystem::path& path, const QImage& image) {
    if (image.save(QString::fromStdString(path.string()), "PNG")) return true;
    std::fprintf(stderr, "%s: cannot write\n", path.c_str());
    return false;
}

QImage BlankPicture() {
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 128));
    return picture;
}

QImage ReadScreenshot(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) std::fprintf(stderr, "%s: cannot read\n", path.c_str());
    return image;
}

}  // namespace launcher_art
