#include "common/qt/dialog_template.h"

#include <QDialog>
#include <QFontMetrics>

namespace qt {
namespace {

int MulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>((product + (product >= 0 ? denominator : -denominator) / 2) / denominator);
}

}  // namespace

QFont DialogFont(const QString& face, int points) {
    struct Stand {
        const char16_t* face;
        const char* latinName;
        const char* substitute;
    };
    static constexpr Stand kStands[] = {
        {u"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"},
        {u"ＭＳ ゴシック", "MS Gothic", "IPAGothic"},
    };
    QStringList families{face};
    for (const Stand& stand : kStands) {
        if (face != QString::fromUtf16(stand.face)) continue;
        families << QString::fromLatin1(stand.latinName) << QString::fromLatin1(stand.substitute);
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    // The average width is measured over the alphabet and rounded the way dialog
    // templates have always been scaled.
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (alphabet / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const { return MulDivRounded(units, baseX_, 4); }
int DialogUnits::Y(int units) const { return MulDivRounded(units, baseY_, 8); }

int DialogUnits::ColumnWidth(int pixels) const { return MulDivRounded(pixels, baseX_, 6); }

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

DialogUnits ApplyDialogTemplate(QDialog& dialog, const QString& title, int width, int height,
                                const QFont& font) {
    dialog.setFont(font);
    dialog.setWindowTitle(title);
    const DialogUnits du(font);
    dialog.setFixedSize(du.X(width), du.Y(height));
    return du;
}

void Place(QWidget& widget, const DialogUnits& du, int x, int y, int width, int height) {
    widget.setGeometry(du.Rect(x, y, width, height));
}

}  // namespace qt
