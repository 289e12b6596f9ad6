#pragma once
// Dialog 162: the four top-ten tables, one tab per level.

#include <QDialog>

#include "pelta/dialog_api/dialog_data.h"

class QTabWidget;
class QTreeWidget;

namespace pelta {

class CRankingDlg : public QDialog {
public:
    explicit CRankingDlg(const RankingData& data, QWidget* parent = nullptr);

    int CurrentLevel() const { return level_; }

private:
    void FillList();
    void ShowPasswords();

    HighScoreTable tables_;
    int level_;
    QTabWidget* tabs_;
    QTreeWidget* list_;
};

}  // namespace pelta
