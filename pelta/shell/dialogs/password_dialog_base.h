#pragma once
// What the game-over and password dialogs share: the read-only password edit, first in the
// tab order, with "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ" and "さっそく登録 !!" beside OK. The copy button
// stands where a cancel button would, so Esc and the close box copy the password instead
// of closing; only OK closes.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pelta {

class PasswordDialogBase : public QDialog {
public:
    explicit PasswordDialogBase(QWidget* parent);

    void reject() override;  // Esc and the close box: copy, stay open

protected:
    void showEvent(QShowEvent* event) override;

    QLabel* passwordLabel_;
    QLineEdit* passwordEdit_;
    QPushButton* copyButton_;
    QPushButton* registerButton_;
    QPushButton* okButton_;
};

}  // namespace pelta
