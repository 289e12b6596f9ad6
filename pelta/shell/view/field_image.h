#pragma once
// The batting field as a persistent 640 × 200 image. Blits write into it and the window
// repaints from it, so it keeps everything a blit does not cover, like a window without
// a back buffer would.
//
// Text() renders with Qt's font machinery and therefore needs a QGuiApplication (or
// QApplication) to exist; QT_QPA_PLATFORM=offscreen is enough for tools and tests.
// Blit() and FillRect() need none.

#include <QImage>
#include <QString>
#include <array>

#include "pelta/model/picture_table.h"
#include "pelta/render/canvas.h"

namespace pelta {

class FieldImage final : public Canvas {
public:
    // Loads the 76 pictures from the program's resources; the field starts black.
    FieldImage();

    void Blit(int sprite, int x, int y, int w, int h) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Text(int x, int y, std::string_view utf8, Rgb text, Rgb background) override;

    const QImage& Image() const { return field_; }
    // The picture behind sprite index 0..75, as loaded.
    const QImage& Picture(int sprite) const;
    bool SavePng(const QString& path) const;

private:
    QImage field_;
    std::array<QImage, kPictureCount> pictures_;
};

}  // namespace pelta
