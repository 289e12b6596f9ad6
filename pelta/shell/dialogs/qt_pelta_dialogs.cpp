#include "pelta/dialogs/qt_pelta_dialogs.h"

#include "pelta/dialogs/game_over_dlg.h"
#include "pelta/dialogs/name_entry_dlg.h"
#include "pelta/dialogs/practice_dlg.h"
#include "pelta/dialogs/ranking_dlg.h"

namespace pelta {

void QtPeltaDialogs::ShowGameOver(const GameOverData& data) {
    CGameOverDlg dialog(data, parent_);
    dialog.exec();
}

std::string QtPeltaDialogs::ShowNameEntry(const NameEntryData& data) {
    CNameEntryDlg dialog(data, parent_);
    return dialog.exec() == QDialog::Accepted ? dialog.Name() : data.name;
}

void QtPeltaDialogs::ShowRanking(const RankingData& data) {
    CRankingDlg dialog(data, parent_);
    dialog.exec();
}

std::optional<PracticeSetup> QtPeltaDialogs::ShowPractice(const PracticeSetup& preset) {
    CPracticeDlg dialog(preset, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Setup();
}

}  // namespace pelta
