#include "pelta/dialogs/practice_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

namespace pelta {
namespace {

QComboBox* List(CPracticeDlg& dialog, int category) {
    return dialog.findChild<QComboBox*>(QStringLiteral("category%1").arg(category));
}
QString Label(CPracticeDlg& dialog) { return dialog.findChild<QLabel*>(QStringLiteral("pitchName"))->text(); }

TEST(PracticeDlg, OutsidePracticeEverythingStartsAtNone) {
    CPracticeDlg dialog(PracticeSetup{});
    for (int i = 0; i < 6; ++i) EXPECT_EQ(List(dialog, i)->currentText(), "None");
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("continuous"))->isChecked());
    EXPECT_EQ(Label(dialog), "ただの棒球");
    EXPECT_EQ(dialog.Setup(), PracticeSetup{});
}

TEST(PracticeDlg, LabelNamesThePitchAsItIsComposed) {
    CPracticeDlg dialog(PracticeSetup{});
    List(dialog, 0)->setCurrentIndex(5);
    EXPECT_EQ(Label(dialog), "ﾊｲｽﾋﾟｰﾄﾞpelta");
    List(dialog, 1)->setCurrentIndex(1);
    List(dialog, 5)->setCurrentIndex(3);
    EXPECT_EQ(Label(dialog), "ﾊｲｽﾋﾟｰﾄﾞｽﾓｰﾙﾄﾙﾈｰﾄﾞpelta");
    dialog.findChild<QCheckBox*>(QStringLiteral("continuous"))->setChecked(true);
    EXPECT_EQ(Label(dialog), "ﾊｲｽﾋﾟｰﾄﾞｽﾓｰﾙﾄﾙﾈｰﾄﾞpelta");

    PracticeSetup expected;
    expected.pitch.speed = SpeedKind::HighSpeed;
    expected.pitch.small = SmallKind::Small;
    expected.pitch.vertical = VerticalKind::Tornado;
    expected.continuous = true;
    EXPECT_EQ(dialog.Setup(), expected);
}

TEST(PracticeDlg, ReopensWithTheRunningPitch) {
    PracticeSetup running;
    running.pitch = {SpeedKind::RandomSpeed, SmallKind::None, CloneKind::Clone2,
                     StopKind::StopVarSpeed2, WarpKind::ReturnWarp2, VerticalKind::Wave};
    running.continuous = true;
    CPracticeDlg dialog(running);
    EXPECT_EQ(List(dialog, 0)->currentText(), "ﾗﾝﾀﾞﾑｽﾋﾟｰﾄﾞ");
    EXPECT_EQ(List(dialog, 3)->currentText(), "ｽﾄｯﾌﾟ変速2");
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("continuous"))->isChecked());
    EXPECT_EQ(Label(dialog), "ﾗﾝﾀﾞﾑｽﾋﾟｰﾄﾞ分身2ｽﾄｯﾌﾟ変速2戻るﾜｰﾌﾟ2ｳｪｰﾌﾞpelta");
    EXPECT_EQ(dialog.Setup(), running);
}

TEST(PracticeDlg, ValueOutsideTheCatalogueStartsAsNone) {
    PracticeSetup odd;
    odd.pitch.warp = static_cast<WarpKind>(9);
    CPracticeDlg dialog(odd);
    EXPECT_EQ(List(dialog, 4)->currentIndex(), 0);
    EXPECT_EQ(dialog.Setup().pitch.warp, WarpKind::None);
}

}  // namespace
}  // namespace pelta
