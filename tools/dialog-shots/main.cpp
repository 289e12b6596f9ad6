// Renders each batting-game dialog with sample data to a PNG, for checking the layout by eye:
//   pelta-dialog-shots <output folder>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "tools/command-line/command_line.h"
#include "pelta/dialogs/game_over_dlg.h"
#include "pelta/dialogs/name_entry_dlg.h"
#include "pelta/dialogs/password_dlg.h"
#include "pelta/dialogs/practice_dlg.h"
#include "pelta/dialogs/ranking_dlg.h"

namespace {

using namespace pelta;

HighScoreTable SampleTables() {
    HighScoreTable tables;
    const char* names[] = {"ペルタ名人", "na･na･shi", "ｶﾀｶﾅﾀﾛｰ", "Hanako", "ジロー", "ABCDEFGHIJKL"};
    for (int level = 0; level < 3; ++level) {
        HighScoreLevelTable& table = tables[level];
        table.count = static_cast<std::uint8_t>(level == 2 ? 3 : 10);
        for (int i = 0; i < table.count; ++i) {
            HighScoreEntry& e = table.entries[i];
            e.name = names[i % 6];
            e.score = 654'321 / (i + 1) / (level + 1);
            e.rank = static_cast<std::uint8_t>(i == 3 ? 3 : i + 1);  // a tie
            if (i == 2) e.score = table.entries[3].score = 654'321 / 4 / (level + 1);
            e.key = static_cast<std::uint8_t>(37 * i);
            e.maxCombo = 120 - i * 7;
            e.counts = {300 - i, 200, 100, 50 + i, 25, 12, 6};
        }
    }
    return tables;
}

bool Save(QWidget& widget, const QString& path) {
    widget.show();
    QApplication::processEvents();
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv, "OUTPUT_FOLDER\nRenders the batting game's dialogs to PNG files in OUTPUT_FOLDER.", 1, 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(QString::fromStdString(args[0]));
    if (!QDir().mkpath(out.path())) return 1;

    GameOverData game;
    game.level = 2;
    game.score = 1'234'567;  // within the range the password keeps in 0-9/A-Z
    game.maxCombo = 42;
    game.key = 1000;
    game.counts = {12, 34, 56, 78, 90, 11, 7};
    CGameOverDlg gameOver(game);

    CNameEntryDlg nameEntry({RankInHeadline(3, 10), "あいうえおか"});
    CRankingDlg ranking({SampleTables(), 0});
    CPasswordDlg passwords(SampleTables());

    PracticeSetup longest;
    longest.pitch = {SpeedKind::RandomSpeed, SmallKind::Small, CloneKind::Clone2,
                     StopKind::StopVarSpeed2, WarpKind::ReturnWarp2, VerticalKind::Zigzag};
    longest.continuous = true;
    CPracticeDlg practice(longest);

    bool ok = Save(gameOver, out.filePath("game_over.png"));
    ok = Save(nameEntry, out.filePath("name_entry.png")) && ok;
    ok = Save(ranking, out.filePath("ranking.png")) && ok;
    ok = Save(passwords, out.filePath("password.png")) && ok;
    ok = Save(practice, out.filePath("practice.png")) && ok;
    return ok ? 0 : 1;
}
