#include "pelta/dialogs/name_entry_dlg.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "common/qt_testing/user_input.h"

namespace pelta {
namespace {

QLineEdit& NameEdit(CNameEntryDlg& dialog) { return *dialog.findChild<QLineEdit*>(QStringLiteral("name")); }

TEST(NameEntryDlg, HoldsAtMostTwelveShiftJisBytes) {
    struct Case {
        const char* what;
        QString start;
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {"a 13th single byte is refused", "ABCDEFGHIJKL", "M", "ABCDEFGHIJKL"},
        {"six double-byte characters fit", "", "あいうえおか", "あいうえおか"},
        {"a seventh double-byte character is refused", "", "あいうえおかき", "あいうえおか"},
        {"a double-byte character after 11 bytes is refused", "ABCDEFGHIJK", "あ", "ABCDEFGHIJK"},
        {"half-width katakana take one byte each", "", "ｱｲｳｴｵｶｷｸｹｺｻｼｽ", "ｱｲｳｴｵｶｷｸｹｺｻｼ"},
        {"characters without a Shift-JIS form are refused", "", "한글pelta", "pelta"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CNameEntryDlg dialog({"", c.start.toStdString()});
        QLineEdit& edit = NameEdit(dialog);
        edit.end(false);
        test_support::TypeText(edit, c.typed);
        EXPECT_EQ(edit.text(), c.expected);
        EXPECT_EQ(dialog.Name(), c.expected.toStdString());
    }
}

TEST(NameEntryDlg, InputMethodComposesFreelyAndCommitsWithinTheLimit) {
    CNameEntryDlg dialog({"", "ABCDEFGH"});
    QLineEdit& edit = NameEdit(dialog);
    edit.end(false);

    auto send = [&edit](const QString& preedit, const QString& commit) {
        QInputMethodEvent event(preedit, {});
        if (!commit.isEmpty()) event.setCommitString(commit);
        QApplication::sendEvent(&edit, &event);
    };
    // A composition longer than the room left is only shown, not yet part of the name.
    send("にほんご", "");
    EXPECT_EQ(edit.text(), "ABCDEFGH");
    send("", "日本");
    EXPECT_EQ(edit.text(), "ABCDEFGH日本");
    send("ご", "");
    send("", "語");  // would make 14 bytes
    EXPECT_EQ(edit.text(), "ABCDEFGH日本");
}

TEST(NameEntryDlg, ShowsHeadlineAndCutsAnOverlongStoredName) {
    const std::pair<std::string, QString> cases[] = {
        {"na･na･shi", "na･na･shi"},
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKL"},
        {"あいうえおかき", "あいうえおか"},
        {"ABCDEFGHIJKあ", "ABCDEFGHIJK"},
    };
    for (const auto& [stored, shown] : cases) {
        SCOPED_TRACE(stored);
        CNameEntryDlg dialog({RankInHeadline(1, 3), stored});
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("headline"))->text(), "Normal の 3位 にﾗﾝｸｲﾝ !!");
        EXPECT_EQ(NameEdit(dialog).text(), shown);
    }
}

}  // namespace
}  // namespace pelta
