#include "pelta/dialogs/password_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "pelta/dialogs/password_actions.h"
#include "pelta/password/ranking_password.h"
#include "common/qt/dialog_template.h"

namespace pelta {

CPasswordDlg::CPasswordDlg(const HighScoreTable& tables, QWidget* parent)
    : PasswordDialogBase(parent),
      tables_(tables),
      levelList_(new QComboBox(this)),
      nameList_(new QComboBox(this)),
      score_(new QLabel(QStringLiteral("???"), this)) {
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, QStringLiteral("ﾊﾟｽﾜｰﾄﾞの確認"), 206, 129);

    auto* intro = new QLabel(QStringLiteral("各ﾌﾟﾚｲﾔｰの最良ｽｺｱのﾊﾟｽﾜｰﾄﾞを表示します。"), this);
    Place(*intro, du, 7, 7, 192, 9);

    auto* levelCaption = new QLabel(QStringLiteral("ﾚﾍﾞﾙ\t："), this);
    Place(*levelCaption, du, 14, 25, 40, 9);
    levelList_->setObjectName(QStringLiteral("levels"));
    for (std::string_view name : kLevelNames) levelList_->addItem(QString::fromUtf8(name.data(), name.size()));
    Place(*levelList_, du, 60, 23, 80, 13);

    auto* nameCaption = new QLabel(QStringLiteral("お名前\t："), this);
    Place(*nameCaption, du, 14, 42, 40, 9);
    nameList_->setObjectName(QStringLiteral("names"));
    Place(*nameList_, du, 60, 40, 80, 13);

    auto* scoreCaption = new QLabel(QStringLiteral("Score\t："), this);
    Place(*scoreCaption, du, 14, 59, 40, 9);
    score_->setObjectName(QStringLiteral("score"));
    score_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(*score_, du, 60, 59, 80, 9);

    Place(*passwordLabel_, du, 7, 80, 90, 9);
    passwordEdit_->setText(QStringLiteral("???"));
    Place(*passwordEdit_, du, 98, 78, 101, 12);

    Place(*copyButton_, du, 7, 106, 74, 14);
    Place(*registerButton_, du, 85, 106, 74, 14);
    Place(*okButton_, du, 163, 106, 36, 14);

    setTabOrder(passwordEdit_, levelList_);
    setTabOrder(levelList_, nameList_);
    setTabOrder(nameList_, copyButton_);
    setTabOrder(copyButton_, registerButton_);
    setTabOrder(registerButton_, okButton_);

    for (int level = 0; level < kLevelCount; ++level) {
        const HighScoreLevelTable& table = tables_[level];
        const int count = std::min<int>(table.count, kHighScoreEntries);
        for (int i = 0; i < count; ++i) {
            std::vector<std::string>& names = names_[level];
            if (std::find(names.begin(), names.end(), table.entries[i].name) == names.end())
                names.push_back(table.entries[i].name);
        }
    }
    FillNames();
    Compute();

    connect(levelList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || index >= kLevelCount) return;
        level_ = index;
        FillNames();
        Compute();
    });
    connect(nameList_, &QComboBox::currentIndexChanged, this, [this] { Compute(); });
}

void CPasswordDlg::FillNames() {
    const QSignalBlocker quiet(nameList_);  // Compute follows once the list is complete
    nameList_->clear();
    const std::vector<std::string>& names = names_[level_];
    nameList_->setEnabled(!names.empty());
    for (const std::string& name : names) nameList_->addItem(QString::fromStdString(name));
    if (!names.empty()) nameList_->setCurrentIndex(0);
}

void CPasswordDlg::Compute() {
    const std::vector<std::string>& names = names_[level_];
    const int current = nameList_->currentIndex();
    if (current >= 0 && current < static_cast<int>(names.size())) {
        const HighScoreLevelTable& table = tables_[level_];
        const int count = std::min<int>(table.count, kHighScoreEntries);
        for (int i = 0; i < count; ++i) {
            const HighScoreEntry& entry = table.entries[i];
            if (entry.name != names[current]) continue;
            score_->setText(QString::number(entry.score));
            passwordEdit_->setText(PasswordText(
                MakeRankingPassword(PasswordKey::Stored(entry.key), level_, entry.counts, entry.maxCombo,
                                    static_cast<std::uint32_t>(entry.score))));
            return;
        }
    }
    score_->setText(QStringLiteral("???"));
    passwordEdit_->setText(QStringLiteral("???"));
}

}  // namespace pelta
