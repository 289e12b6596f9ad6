#include "pelta/dialogs/game_over_dlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "pelta/dialogs/password_actions.h"
#include "common/qt_testing/user_input.h"

namespace pelta {
namespace {

using test_support::Clipboard;
using test_support::SetClipboard;

GameOverData ExampleGame() {
    GameOverData data;
    data.level = 1;
    data.key = 1000;
    data.counts = {0, 1, 2, 3, 4, 5, 6};
    data.maxCombo = 36;
    data.score = 1296;
    return data;
}

QStringList Column(const QTreeWidget& list, int column) {
    QStringList cells;
    for (int i = 0; i < list.topLevelItemCount(); ++i) cells << list.topLevelItem(i)->text(column);
    return cells;
}

TEST(GameOverDlg, ReportListsCountsSharesTotalAndCombo) {
    struct Case {
        const char* what;
        std::array<std::int32_t, kResultKinds> counts;
        QStringList shares;
        QString total;
    };
    const Case cases[] = {
        {"half perfect home runs, half watched", {5, 0, 0, 0, 0, 0, 5},
         {"50.0", "0.0", "0.0", "0.0", "0.0", "0.0", "50.0", "------", "", ""}, "10"},
        {"one decimal", {1, 2, 0, 0, 0, 0, 0}, {"33.3", "66.7", "0.0", "0.0", "0.0", "0.0", "0.0", "------", "", ""}, "3"},
        {"no pitches: shares read 0.0", {}, {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "------", "", ""}, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameOverData data = ExampleGame();
        data.counts = c.counts;
        data.maxCombo = 7;
        CGameOverDlg dialog(data);
        const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("report"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(Column(*list, 0),
                  (QStringList{"ﾋﾟｶ ﾎｰﾑﾗﾝ", "ﾎｰﾑﾗﾝ", "ｸﾘｰﾝ ﾋｯﾄ", "ﾋｯﾄ", "ﾍﾎﾞﾌﾟｰ", "空振り", "見逃し",
                               "------------", "合計", "Max Combo"}));
        QStringList counts;
        for (std::int32_t n : c.counts) counts << QString::number(n);
        counts << "------" << c.total << "7";
        EXPECT_EQ(Column(*list, 1), counts);
        EXPECT_EQ(Column(*list, 2), c.shares);
    }
}

TEST(GameOverDlg, ShowsLevelScoreAndGameOverPassword) {
    struct Case {
        int level;
        std::int32_t score;
        QString levelText;
        QString password;
    };
    const Case cases[] = {
        {1, 1296, "Normal", "7S1000102031001002D"},
        {0, 1296, "Easy", "7S0000102031001002C"},
        {2, 1296, "trick", "7S2000102031001002E"},  // lower case in this dialog only
        {3, 1296, "AnoMani", "7S3000102031001002F"},
        {10, 1296, "", "7S:000102031001002M"},  // a level name only for 0..3
        {1, 0, "Normal", ""},                     // no password for a score of 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        GameOverData data = ExampleGame();
        data.level = c.level;
        data.score = c.score;
        CGameOverDlg dialog(data);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("level"))->text(), c.levelText);
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("score"))->text(), QString::number(c.score));
        auto* password = dialog.findChild<QLineEdit*>(QStringLiteral("password"));
        EXPECT_EQ(password->text(), c.password);
        EXPECT_TRUE(password->isReadOnly());
    }
}

TEST(GameOverDlg, EscAndCloseBoxCopyThePasswordAndOnlyOkCloses) {
    test_support::OpenedUrls opened;
    CGameOverDlg dialog(ExampleGame());
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* password = dialog.findChild<QLineEdit*>(QStringLiteral("password"));
    EXPECT_TRUE(password->hasFocus());
    EXPECT_EQ(password->selectedText(), "7S1000102031001002D");

    SetClipboard("before");
    QTest::keyClick(password, Qt::Key_Escape);  // the focused edit passes Esc on
    EXPECT_EQ(Clipboard(), "7S1000102031001002D");
    EXPECT_TRUE(dialog.isVisible());

    SetClipboard("before");
    password->setSelection(0, 2);  // the button copies the whole password, not a part
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("copy")), Qt::LeftButton);
    EXPECT_EQ(Clipboard(), "7S1000102031001002D");
    EXPECT_TRUE(dialog.isVisible());

    SetClipboard("before");
    EXPECT_FALSE(dialog.close());
    EXPECT_EQ(Clipboard(), "7S1000102031001002D");
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("register")), Qt::LeftButton);
    ASSERT_EQ(opened.urls.size(), 1u);
    EXPECT_EQ(opened.urls[0], QUrl(RankingPageUrl()));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(finished.count(), 0);

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(GameOverDlg, EmptyPasswordLeavesTheClipboardAlone) {
    GameOverData data = ExampleGame();
    data.score = 0;
    CGameOverDlg dialog(data);
    dialog.show();
    SetClipboard("kept");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(Clipboard(), "kept");
    EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace pelta
