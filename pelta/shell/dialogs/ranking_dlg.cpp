#include "pelta/dialogs/ranking_dlg.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

#include "pelta/dialogs/password_dlg.h"
#include "common/qt/dialog_template.h"

namespace pelta {
namespace {

struct Column {
    const char* title;
    int width;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// Counts of results 1..5 follow the combo; misses are not listed.
const std::array<Column, 9> kColumns = {{
    {"Lank", 40, kLeft}, {"Name", 80, kLeft}, {"Score", 55, kRight}, {"Combo", 50, kRight},
    {"ﾋﾟｶHR", 50, kRight}, {"ﾎｰﾑﾗﾝ", 50, kRight}, {"ｸﾘｰﾝH", 50, kRight}, {"ﾋｯﾄ", 50, kRight},
    {"ﾍﾎﾞﾌﾟ", 50, kRight},
}};

}  // namespace

CRankingDlg::CRankingDlg(const RankingData& data, QWidget* parent)
    : QDialog(parent),
      tables_(data.tables),
      level_(data.level >= 0 && data.level < kLevelCount ? data.level : 0),
      tabs_(new QTabWidget(this)),
      list_(new QTreeWidget(this)) {
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, QStringLiteral("ﾗﾝｷﾝｸﾞ"), 315, 181);

    tabs_->setObjectName(QStringLiteral("levels"));
    for (std::string_view name : kLevelNames)
        tabs_->addTab(new QWidget(tabs_), QString::fromUtf8(name.data(), name.size()));
    Place(*tabs_, du, 7, 7, 301, 148);

    // One list for every tab, lying on the tab pane and refilled when the tab changes.
    list_->setObjectName(QStringLiteral("ranking"));
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->header()->setSectionsClickable(false);
    list_->header()->setSectionsMovable(false);
    list_->setColumnCount(static_cast<int>(kColumns.size()));
    for (int c = 0; c < static_cast<int>(kColumns.size()); ++c) {
        list_->headerItem()->setText(c, QString::fromUtf8(kColumns[c].title));
        list_->headerItem()->setTextAlignment(c, kColumns[c].alignment);
        list_->setColumnWidth(c, du.ColumnWidth(kColumns[c].width));
    }
    Place(*list_, du, 12, 26, 291, 124);

    auto* passwords = new QPushButton(QStringLiteral("ﾊﾟｽﾜｰﾄﾞを見る"), this);
    passwords->setObjectName(QStringLiteral("passwords"));
    Place(*passwords, du, 7, 160, 74, 14);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    Place(*ok, du, 258, 160, 50, 14);

    FillList();
    tabs_->setCurrentIndex(level_);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == level_ || index < 0) return;
        level_ = index;
        FillList();
    });
    connect(passwords, &QPushButton::clicked, this, &CRankingDlg::ShowPasswords);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CRankingDlg::FillList() {
    list_->clear();
    const HighScoreLevelTable& table = tables_[level_];
    const int count = std::min<int>(table.count, kHighScoreEntries);
    for (int i = 0; i < count; ++i) {
        const HighScoreEntry& entry = table.entries[i];
        QStringList cells = {QString::number(entry.rank), QString::fromStdString(entry.name),
                             QString::number(entry.score), QString::number(entry.maxCombo)};
        for (int result = 0; result < 5; ++result) cells << QString::number(entry.counts[result]);
        auto* row = new QTreeWidgetItem(list_, cells);
        for (int c = 0; c < static_cast<int>(kColumns.size()); ++c)
            row->setTextAlignment(c, kColumns[c].alignment);
    }
}

void CRankingDlg::ShowPasswords() {
    CPasswordDlg dialog(tables_, this);
    dialog.exec();
}

}  // namespace pelta
