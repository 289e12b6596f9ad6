#include "launcher/app/title_plate.h"

#include <QPainter>

namespace launcher {
namespace {

// Rectangles are given by two opposite corners, both inside it.
QRect Corners(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); }

// A one-pixel border just inside `r`; for a rectangle two pixels across, a solid band.
void Outline(QPainter& p, const QRect& r, const QColor& color) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

}  // namespace

void DrawTitlePlate(QImage& canvas, const QRect& label, const QColor& plateColor) {
    const int l = label.x(), t = label.y(), w = label.width(), h = label.height();
    QPainter p(&canvas);
    p.fillRect(Corners(l, t - 5, l + w, t + h + 5), plateColor);
    Outline(p, Corners(l, t - 5, l + w, t - 4), Qt::black);
    Outline(p, Corners(l, t - 5, l + 1, t + h + 4), Qt::black);
    Outline(p, Corners(l + w - 1, t - 4, l + w, t + h + 5), Qt::white);
    Outline(p, Corners(l + 1, t + h + 4, l + w - 1, t + h + 5), Qt::white);
}

}  // namespace launcher
