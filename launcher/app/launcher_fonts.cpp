#include "launcher/app/launcher_fonts.h"

#include "common/qt/dialog_template.h"

namespace launcher {

QFont WindowFont() { return qt::DialogFont(); }

QFont TitleFont() {
    QFont font = qt::DialogFont(QStringLiteral("ＭＳ Ｐゴシック"), 18);
    font.setBold(true);
    return font;
}

QFont SplashFont() {
    QFont font = qt::DialogFont();
    font.setPointSizeF(9.75);
    return font;
}

}  // namespace launcher
