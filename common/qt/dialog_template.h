#pragma once
// The dialogs are laid out like dialog resources: positions in dialog units of their font,
// so they keep their proportions whatever the font's size on this desktop.

#include <QFont>
#include <QRect>

class QDialog;
class QWidget;

namespace qt {

// A face of the Japanese Windows desktop ("ＭＳ Ｐゴシック", "ＭＳ ゴシック") at `points`, or
// the IPA face drawn to the same metrics where it is missing.
QFont DialogFont(const QString& face = QStringLiteral("ＭＳ Ｐゴシック"), int points = 9);

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    // List columns are sized in pixels of the 9-point face at 96 dpi, whose base width is
    // 6 pixels; a wider face or a denser screen widens them alike.
    int ColumnWidth(int pixels) const;

private:
    int baseX_;  // pixels per 4 horizontal units
    int baseY_;  // pixels per 8 vertical units
};

// Gives the dialog its title, font and fixed size; the returned units place its controls.
DialogUnits ApplyDialogTemplate(QDialog& dialog, const QString& title, int width, int height,
                                const QFont& font = DialogFont());

// Places a control at its position in dialog units.
void Place(QWidget& widget, const DialogUnits& du, int x, int y, int width, int height);

}  // namespace qt
