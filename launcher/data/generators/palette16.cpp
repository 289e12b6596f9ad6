#include "launcher/generators/palette16.h"

namespace launcher_art {

QImage ToPalette16(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(row[x]) < 128) {
                row[x] = 0;
                continue;
            }
            QRgb best = kPalette16[0];
            int bestDistance = 1 << 30;
            for (QRgb c : kPalette16) {
                const int dr = qRed(c) - qRed(row[x]), dg = qGreen(c) - qGreen(row[x]), db = qBlue(c) - qBlue(row[x]);
                const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = c;
                }
            }
            row[x] = best;
        }
    }
    return out;
}

}  // namespace launcher_art
