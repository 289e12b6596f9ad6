#pragma once
// Dialog 161: the statistics of the game just played and its ranking password.

#include <QString>

#include "pelta/dialog_api/dialog_data.h"
#include "pelta/dialogs/password_dialog_base.h"

namespace pelta {

// The game-over password: the whole key is known here; a score of 0 has none.
std::string GameOverPassword(const GameOverData& data);

class CGameOverDlg : public PasswordDialogBase {
public:
    explicit CGameOverDlg(const GameOverData& data, QWidget* parent = nullptr);
};

}  // namespace pelta
