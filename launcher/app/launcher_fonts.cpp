#include "app/launcher_fonts.h"

#include <QStringList>

namespace launcher {
namespace {

QFont Gothic(double points, bool bold) {
    QFont font;
    font.setFamilies(QStringList() << QString::fromUtf8("ＭＳ Ｐゴシック") << QStringLiteral("IPAPGothic"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont WindowFont() { return Gothic(9, false); }
QFont TitleFont() { return Gothic(18, true); }
QFont SplashFont() { return Gothic(9.75, false); }

}  // namespace launcher
