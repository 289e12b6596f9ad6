#include "pelta/dialogs/practice_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "common/qt/dialog_template.h"

namespace pelta {
namespace {

std::array<int, 6> Values(const PitchSpec& p) {
    return {static_cast<int>(p.speed), static_cast<int>(p.small), static_cast<int>(p.clone),
            static_cast<int>(p.stop),  static_cast<int>(p.warp),  static_cast<int>(p.vertical)};
}

// Grid cell of each category in the group: speed, special and clone in the first row;
// stop, warp and vertical in the second.
struct Cell {
    int x, y;
};
constexpr std::array<Cell, 6> kCells = {{{14, 15}, {78, 15}, {142, 15}, {14, 43}, {78, 43}, {142, 43}}};

}  // namespace

CPracticeDlg::CPracticeDlg(const PracticeSetup& preset, QWidget* parent)
    : QDialog(parent),
      label_(new QLabel(this)),
      continuous_(new QCheckBox(QStringLiteral("巨○の星ﾓｰﾄﾞ ?"), this)) {
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, QStringLiteral("コソ練の設定"), 213, 131);

    auto* group = new QGroupBox(QStringLiteral("コソ練するpelta"), this);
    Place(*group, du, 7, 4, 199, 96);
    group->lower();

    const std::array<int, 6> values = Values(preset.pitch);
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const PitchCategory& category = kPitchCatalogue[i];
        auto* caption = new QLabel(QString::fromUtf8(category.caption.data(), category.caption.size()), this);
        Place(*caption, du, kCells[i].x, kCells[i].y, 58, 9);

        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("category%1").arg(i));
        for (int v = 0; v < category.count; ++v)
            list->addItem(QString::fromUtf8(category.names[v].data(), category.names[v].size()));
        // A value outside the catalogue cannot be shown; it starts as None.
        list->setCurrentIndex(values[i] < category.count ? values[i] : 0);
        Place(*list, du, kCells[i].x, kCells[i].y + 10, 57, 13);
        connect(list, &QComboBox::currentIndexChanged, this, [this] { RebuildLabel(); });
        lists_[i] = list;
    }

    label_->setObjectName(QStringLiteral("pitchName"));
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(*label_, du, 14, 80, 185, 10);

    continuous_->setObjectName(QStringLiteral("continuous"));
    continuous_->setChecked(preset.continuous);
    Place(*continuous_, du, 9, 110, 80, 10);

    auto* start = new QPushButton(QStringLiteral("コソ練開始!!"), this);
    start->setObjectName(QStringLiteral("ok"));
    start->setDefault(true);
    Place(*start, du, 100, 108, 56, 14);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    Place(*cancel, du, 160, 108, 46, 14);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    RebuildLabel();
}

PracticeSetup CPracticeDlg::Setup() const {
    PracticeSetup setup;
    auto value = [this](std::size_t i) { return static_cast<std::uint8_t>(lists_[i]->currentIndex()); };
    setup.pitch.speed = static_cast<SpeedKind>(value(0));
    setup.pitch.small = static_cast<SmallKind>(value(1));
    setup.pitch.clone = static_cast<CloneKind>(value(2));
    setup.pitch.stop = static_cast<StopKind>(value(3));
    setup.pitch.warp = static_cast<WarpKind>(value(4));
    setup.pitch.vertical = static_cast<VerticalKind>(value(5));
    setup.continuous = continuous_->isChecked();
    return setup;
}

void CPracticeDlg::RebuildLabel() { label_->setText(QString::fromStdString(PitchName(Setup().pitch))); }

}  // namespace pelta
