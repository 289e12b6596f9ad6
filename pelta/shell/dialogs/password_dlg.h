#pragma once
// Dialog 166: the ranking password of each player's best stored result, level by level.

#include <array>
#include <string>
#include <vector>

#include "pelta/dialogs/password_dialog_base.h"
#include "pelta/model/high_scores.h"

class QComboBox;
class QLabel;

namespace pelta {

class CPasswordDlg : public PasswordDialogBase {
public:
    explicit CPasswordDlg(const HighScoreTable& tables, QWidget* parent = nullptr);

private:
    void FillNames();
    void Compute();

    HighScoreTable tables_;
    int level_ = 0;
    // Each player once per level, at the place of their best entry.
    std::array<std::vector<std::string>, kLevelCount> names_;

    QComboBox* levelList_;
    QComboBox* nameList_;
    QLabel* score_;
};

}  // namespace pelta
