#include "pelta/dialogs/ranking_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "pelta/dialogs/password_dlg.h"
#include "common/qt_testing/user_input.h"
#include "common/qt_testing/modal_answer.h"

namespace pelta {
namespace {

HighScoreEntry Entry(std::string name, int rank, std::int32_t score, std::uint8_t key = 0) {
    HighScoreEntry entry;
    entry.name = std::move(name);
    entry.rank = static_cast<std::uint8_t>(rank);
    entry.score = score;
    entry.key = key;
    entry.maxCombo = rank * 10;
    entry.counts = {rank, 2, 3, 4, 5, 6, 7};
    return entry;
}

void Add(HighScoreLevelTable& table, HighScoreEntry entry) { table.entries[table.count++] = std::move(entry); }

// Easy: a tie for second place. Normal: Taro at ranks 2 and 5, his rank-2 entry being the
// documented example result. Trick: one entry. AnoMani: empty.
HighScoreTable Tables() {
    HighScoreTable tables;
    Add(tables[0], Entry("Hanako", 1, 500));
    Add(tables[0], Entry("Taro", 2, 300));
    Add(tables[0], Entry("ジロー", 2, 300));
    Add(tables[0], Entry("Hanako", 4, 100));

    Add(tables[1], Entry("Hanako", 1, 5000, 9));
    HighScoreEntry best = Entry("Taro", 2, 1296, 232);
    best.counts = {0, 1, 2, 3, 9, 9, 9};
    best.maxCombo = 36;
    Add(tables[1], best);
    Add(tables[1], Entry("ジロー", 3, 1000));
    Add(tables[1], Entry("Hanako", 4, 900));
    Add(tables[1], Entry("Taro", 5, 800, 77));

    Add(tables[2], Entry("Saburo", 1, 42, 200));
    return tables;
}

QStringList Row(const QTreeWidget& list, int row) {
    QStringList cells;
    for (int c = 0; c < list.columnCount(); ++c) cells << list.topLevelItem(row)->text(c);
    return cells;
}

TEST(RankingDlg, ListsTheLevelOfEachTab) {
    CRankingDlg dialog({Tables(), 3});
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("levels"));
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ranking"));
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(3), "AnoMani");

    QStringList header;
    for (int c = 0; c < list->columnCount(); ++c) header << list->headerItem()->text(c);
    EXPECT_EQ(header, (QStringList{"Lank", "Name", "Score", "Combo", "ﾋﾟｶHR", "ﾎｰﾑﾗﾝ", "ｸﾘｰﾝH", "ﾋｯﾄ", "ﾍﾎﾞﾌﾟ"}));

    // The empty level opens empty, and its tab still leads elsewhere and back.
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(dialog.CurrentLevel(), 0);
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(Row(*list, 0), (QStringList{"1", "Hanako", "500", "10", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Row(*list, 1).first(), "2");
    EXPECT_EQ(Row(*list, 2).mid(0, 3), (QStringList{"2", "ジロー", "300"}));  // a shared rank
    EXPECT_EQ(Row(*list, 3).first(), "4");
    tabs->setCurrentIndex(3);
    EXPECT_EQ(list->topLevelItemCount(), 0);
    tabs->setCurrentIndex(2);
    EXPECT_EQ(Row(*list, 0).mid(0, 3), (QStringList{"1", "Saburo", "42"}));
}

TEST(RankingDlg, PracticeOpensAtEasy) {
    CRankingDlg dialog({Tables(), 10});
    EXPECT_EQ(dialog.findChild<QTabWidget*>(QStringLiteral("levels"))->currentIndex(), 0);
    EXPECT_EQ(dialog.findChild<QTreeWidget*>(QStringLiteral("ranking"))->topLevelItemCount(), 4);
}

TEST(RankingDlg, PasswordButtonOpensThePasswordDialog) {
    CRankingDlg dialog({Tables(), 0});
    dialog.show();
    bool opened = false;
    {
        test_support::ModalAnswer answer([&opened](QDialog& passwords) {
            opened = dynamic_cast<CPasswordDlg*>(&passwords) != nullptr;
            passwords.accept();
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("passwords")), Qt::LeftButton);
    }
    EXPECT_TRUE(opened);
    EXPECT_TRUE(dialog.isVisible());
}

struct PasswordView {
    QComboBox* levels;
    QComboBox* names;
    QLabel* score;
    QLineEdit* password;
};

PasswordView View(CPasswordDlg& dialog) {
    return {dialog.findChild<QComboBox*>(QStringLiteral("levels")),
            dialog.findChild<QComboBox*>(QStringLiteral("names")),
            dialog.findChild<QLabel*>(QStringLiteral("score")),
            dialog.findChild<QLineEdit*>(QStringLiteral("password"))};
}

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

TEST(PasswordDlg, ListsEachPlayerOnceAtTheirBestEntry) {
    CPasswordDlg dialog(Tables());
    PasswordView view = View(dialog);
    EXPECT_EQ(view.levels->currentText(), "Easy");
    EXPECT_EQ(Items(*view.names), (QStringList{"Hanako", "Taro", "ジロー"}));
    EXPECT_EQ(view.names->currentText(), "Hanako");
    EXPECT_EQ(view.score->text(), "500");

    view.levels->setCurrentIndex(1);
    EXPECT_EQ(Items(*view.names), (QStringList{"Hanako", "Taro", "ジロー"}));
    view.names->setCurrentIndex(1);
    EXPECT_EQ(view.score->text(), "1296");
    EXPECT_EQ(view.password->text(), "6G1000102031001001S");

    view.levels->setCurrentIndex(2);
    EXPECT_EQ(Items(*view.names), QStringList{"Saburo"});
    EXPECT_TRUE(view.names->isEnabled());
}

TEST(PasswordDlg, EmptyLevelShowsQuestionMarksAndDisablesNames) {
    CPasswordDlg dialog(Tables());
    PasswordView view = View(dialog);
    view.levels->setCurrentIndex(3);
    EXPECT_EQ(view.names->count(), 0);
    EXPECT_FALSE(view.names->isEnabled());
    EXPECT_EQ(view.score->text(), "???");
    EXPECT_EQ(view.password->text(), "???");

    CPasswordDlg empty(HighScoreTable{});
    EXPECT_FALSE(View(empty).names->isEnabled());
    EXPECT_EQ(View(empty).password->text(), "???");
}

TEST(PasswordDlg, EscCopiesAndOnlyOkCloses) {
    test_support::OpenedUrls opened;
    CPasswordDlg dialog(Tables());
    PasswordView view = View(dialog);
    view.levels->setCurrentIndex(1);
    view.names->setCurrentIndex(1);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    test_support::SetClipboard("before");
    QTest::keyClick(view.password, Qt::Key_Escape);
    EXPECT_EQ(test_support::Clipboard(), "6G1000102031001001S");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.close());
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("register")), Qt::LeftButton);
    EXPECT_EQ(opened.urls.size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace pelta
