#include "pelta/view/field_image.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <algorithm>

#include "pelta/pictures/load_picture.h"

namespace pelta {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QFont CaptionFont() {
    QFont font;
    // The face the game was drawn with, then the nearest free proportional Japanese gothic.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    // A GDI cell height of 14 is an em of about 14 pixels for these faces.
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    // Hard-edged glyphs, as the desktop of the time drew small text.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

FieldImage::FieldImage() : field_(kFieldWidth, kFieldHeight, QImage::Format_RGB32) {
    field_.fill(Qt::black);
    for (int i = 0; i < kPictureCount; ++i) pictures_[i] = LoadPicture(i);
}

const QImage& FieldImage::Picture(int sprite) const { return pictures_.at(sprite); }

void FieldImage::Blit(int sprite, int x, int y, int w, int h) {
    // QRect would turn a negative size round and read before the picture.
    if (sprite < 0 || sprite >= kPictureCount || w <= 0 || h <= 0) return;
    const QImage& picture = pictures_[sprite];
    // Only the part of the area the picture covers is copied; the rest keeps what it had.
    const QRect area = QRect(x, y, std::min(w, picture.width()), std::min(h, picture.height()))
                           .intersected(field_.rect());
    if (area.isEmpty()) return;
    const int bytes = area.width() * 4;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const uchar* from = picture.constScanLine(row - y) + (area.left() - x) * 4;
        std::copy_n(from, bytes, field_.scanLine(row) + area.left() * 4);
    }
}

void FieldImage::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    if (right <= left || bottom <= top) return;
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).intersected(field_.rect());
    if (area.isEmpty()) return;
    QPainter painter(&field_);
    painter.fillRect(area, ToQColor(colour));
}

void FieldImage::Text(int x, int y, std::string_view utf8, Rgb text, Rgb background) {
    const QString line = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QFont font = CaptionFont();
    const QFontMetrics metrics(font);
    QPainter painter(&field_);
    painter.setFont(font);
    // Opaque like a text-out: the background covers the line's advance and the font's full cell.
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(line), metrics.height()), ToQColor(background));
    painter.setPen(ToQColor(text));
    painter.drawText(x, y + metrics.ascent(), line);
}

bool FieldImage::SavePng(const QString& path) const { return field_.save(path, "PNG"); }

}  // namespace pelta
