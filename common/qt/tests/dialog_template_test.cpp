#include "common/qt/dialog_template.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFontInfo>
#include <QPushButton>

namespace qt {
namespace {

TEST(DialogFont, TheWindowsFacesFallBackToTheirIpaStandIns) {
    struct Case {
        QString face;
        QString resolved;
    };
    for (const Case& c : {Case{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
                          Case{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")}}) {
        SCOPED_TRACE(c.face.toStdString());
        const QFont font = DialogFont(c.face, 12);
        EXPECT_EQ(QFontInfo(font).family(), c.resolved);
        EXPECT_EQ(font.pointSize(), 12);
    }
}

// Units follow the font: the same template twice as large on a font twice the size, and
// negative positions mirror positive ones instead of drifting by a rounding step.
TEST(DialogUnits, ScaleWithTheFontAndRoundSymmetrically) {
    const DialogUnits small(DialogFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    const DialogUnits large(DialogFont(QStringLiteral("ＭＳ Ｐゴシック"), 18));
    EXPECT_GT(small.X(100), 0);
    EXPECT_NEAR(large.X(100), 2 * small.X(100), small.X(100) / 5);
    EXPECT_NEAR(large.Y(100), 2 * small.Y(100), small.Y(100) / 5);
    for (int units : {1, 3, 7, 50}) {
        EXPECT_EQ(small.X(-units), -small.X(units)) << units;
        EXPECT_EQ(small.Y(-units), -small.Y(units)) << units;
    }
    EXPECT_EQ(small.Rect(4, 8, 40, 16), QRect(small.X(4), small.Y(8), small.X(40), small.Y(16)));
}

TEST(DialogTemplate, GivesTheDialogItsFontTitleAndFixedSizeAndPlacesControls) {
    QDialog dialog;
    const QFont font = DialogFont(QStringLiteral("ＭＳ ゴシック"), 10);
    const DialogUnits du = ApplyDialogTemplate(dialog, QStringLiteral("タイトル"), 120, 60, font);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("タイトル"));
    EXPECT_EQ(dialog.font(), font);
    EXPECT_EQ(dialog.minimumSize(), QSize(du.X(120), du.Y(60)));
    EXPECT_EQ(dialog.maximumSize(), dialog.minimumSize());
    QPushButton button(&dialog);
    Place(button, du, 10, 20, 50, 14);
    EXPECT_EQ(button.geometry(), du.Rect(10, 20, 50, 14));
}

}  // namespace
}  // namespace qt
