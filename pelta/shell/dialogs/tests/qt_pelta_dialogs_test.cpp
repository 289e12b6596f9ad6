#include "pelta/dialogs/qt_pelta_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

#include "common/qt_testing/user_input.h"
#include "common/qt_testing/modal_answer.h"

namespace pelta {
namespace {

// Acts on the modal dialog once it is up, as the player would.
[[nodiscard]] std::unique_ptr<test_support::ModalAnswer> WhenShown(std::function<void(QDialog&)> act) {
    return std::make_unique<test_support::ModalAnswer>(std::move(act));
}

void Click(QDialog& dialog, const char* name) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

TEST(QtPeltaDialogs, NameEntryGivesTheTypedNameOrTheOfferedOneOnEsc) {
    QtPeltaDialogs dialogs(nullptr);
    auto answer = WhenShown([](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("name"));
        edit->clear();
        test_support::TypeText(*edit, "ペルタ");
        Click(dialog, "ok");
    });
    EXPECT_EQ(dialogs.ShowNameEntry({"Easy の 1位 にﾗﾝｸｲﾝ !!", "na･na･shi"}), "ペルタ");

    answer = WhenShown([](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("name"));
        edit->clear();
        test_support::TypeText(*edit, "xyz");
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.ShowNameEntry({"", "na･na･shi"}), "na･na･shi");
}

TEST(QtPeltaDialogs, PracticeGivesTheSetupOnlyOnStart) {
    QtPeltaDialogs dialogs(nullptr);
    auto answer = WhenShown([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("category2"))->setCurrentIndex(1);
        Click(dialog, "cancel");
    });
    EXPECT_EQ(dialogs.ShowPractice({}), std::nullopt);

    answer = WhenShown([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("category2"))->setCurrentIndex(1);
        Click(dialog, "ok");
    });
    PracticeSetup vanish;
    vanish.pitch.clone = CloneKind::Vanish;
    EXPECT_EQ(dialogs.ShowPractice({}), vanish);
}

TEST(QtPeltaDialogs, GameOverClosesOnlyByOk) {
    QtPeltaDialogs dialogs(nullptr);
    bool stillOpenAfterEsc = false;
    auto answer = WhenShown([&stillOpenAfterEsc](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        stillOpenAfterEsc = dialog.isVisible();
        Click(dialog, "ok");
    });
    GameOverData data;
    data.score = 10;
    dialogs.ShowGameOver(data);
    EXPECT_TRUE(stillOpenAfterEsc);
}

}  // namespace
}  // namespace pelta
