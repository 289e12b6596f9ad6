#include "pelta/dialogs/game_over_dlg.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "pelta/dialogs/password_actions.h"
#include "pelta/password/ranking_password.h"
#include "common/qt/dialog_template.h"

namespace pelta {
namespace {

constexpr std::array<const char*, kResultKinds> kRowLabels = {
    "ﾋﾟｶ ﾎｰﾑﾗﾝ", "ﾎｰﾑﾗﾝ", "ｸﾘｰﾝ ﾋｯﾄ", "ﾋｯﾄ", "ﾍﾎﾞﾌﾟｰ", "空振り", "見逃し"};

// This dialog alone writes the third level in lower case.
QString LevelText(int level) {
    static constexpr std::array<const char*, kLevelCount> kNames = {"Easy", "Normal", "trick", "AnoMani"};
    return level >= 0 && level < kLevelCount ? QString::fromUtf8(kNames[level]) : QString();
}

// With no pitches at all every share reads 0.0 rather than a division by zero.
QString ShareText(std::int32_t count, long long total) {
    const double share = total == 0 ? 0.0 : count * 100.0 / static_cast<double>(total);
    return QString::asprintf("%.1f", share);
}

QTreeWidget* MakeReportList(const GameOverData& data, const qt::DialogUnits& du, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("report"));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    list->setHeaderLabels({QStringLiteral(" "), QStringLiteral("本数"), QStringLiteral("割合(%)")});
    const std::array<int, 3> widths = {80, 50, 50};
    for (int column = 0; column < 3; ++column) list->setColumnWidth(column, du.ColumnWidth(widths[column]));
    list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    list->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);

    long long total = 0;
    for (std::int32_t count : data.counts) total += count;

    auto addRow = [list](const QString& label, const QString& count, const QString& share) {
        auto* row = new QTreeWidgetItem(list, {label, count, share});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (int i = 0; i < kResultKinds; ++i)
        addRow(QString::fromUtf8(kRowLabels[i]), QString::number(data.counts[i]),
               ShareText(data.counts[i], total));
    addRow(QStringLiteral("------------"), QStringLiteral("------"), QStringLiteral("------"));
    addRow(QStringLiteral("合計"), QString::number(total), QString());
    addRow(QStringLiteral("Max Combo"), QString::number(data.maxCombo), QString());
    return list;
}

}  // namespace

std::string GameOverPassword(const GameOverData& data) {
    if (data.score == 0) return {};
    return MakeRankingPassword(PasswordKey::AtGameOver(data.key), data.level, data.counts,
                               data.maxCombo, static_cast<std::uint32_t>(data.score));
}

CGameOverDlg::CGameOverDlg(const GameOverData& data, QWidget* parent) : PasswordDialogBase(parent) {
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, QStringLiteral("げ～む お～ば～"), 251, 159);

    auto* group = new QGroupBox(QStringLiteral("あなたの成績"), this);
    Place(*group, du, 7, 4, 237, 112);

    // Children of the dialog rather than of the group, so that the dialog units place them.
    QTreeWidget* list = MakeReportList(data, du, this);
    Place(*list, du, 14, 16, 122, 94);

    auto* levelCaption = new QLabel(QStringLiteral("Level\t："), this);
    Place(*levelCaption, du, 144, 20, 40, 9);
    auto* level = new QLabel(LevelText(data.level), this);
    level->setObjectName(QStringLiteral("level"));
    level->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(*level, du, 184, 20, 52, 9);

    auto* scoreCaption = new QLabel(QStringLiteral("Score\t："), this);
    Place(*scoreCaption, du, 144, 34, 40, 9);
    auto* score = new QLabel(QString::number(data.score), this);
    score->setObjectName(QStringLiteral("score"));
    score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(*score, du, 184, 34, 52, 9);

    Place(*passwordLabel_, du, 7, 125, 90, 9);
    passwordEdit_->setText(PasswordText(GameOverPassword(data)));
    Place(*passwordEdit_, du, 98, 123, 146, 12);

    Place(*copyButton_, du, 7, 140, 74, 14);
    Place(*registerButton_, du, 85, 140, 74, 14);
    Place(*okButton_, du, 194, 140, 50, 14);
}

}  // namespace pelta
