#include "pelta/dialogs/password_dialog_base.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pelta/dialogs/password_actions.h"

namespace pelta {

PasswordDialogBase::PasswordDialogBase(QWidget* parent)
    : QDialog(parent),
      passwordLabel_(new QLabel(QStringLiteral("ｲﾝﾀｰﾈｯﾄ ﾗﾝｷﾝｸﾞ ﾊﾟｽﾜｰﾄﾞ　："), this)),
      passwordEdit_(new QLineEdit(this)),
      copyButton_(new QPushButton(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), this)),
      registerButton_(new QPushButton(QStringLiteral("さっそく登録 !!"), this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
    passwordEdit_->setObjectName(QStringLiteral("password"));
    passwordEdit_->setReadOnly(true);
    copyButton_->setObjectName(QStringLiteral("copy"));
    registerButton_->setObjectName(QStringLiteral("register"));
    okButton_->setObjectName(QStringLiteral("ok"));
    okButton_->setDefault(true);
    connect(copyButton_, &QPushButton::clicked, this, [this] { CopyPassword(*passwordEdit_); });
    connect(registerButton_, &QPushButton::clicked, this, [] { OpenRankingPage(); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void PasswordDialogBase::reject() { CopyPassword(*passwordEdit_); }

void PasswordDialogBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    passwordEdit_->setFocus(Qt::TabFocusReason);
    passwordEdit_->selectAll();
}

}  // namespace pelta
