#pragma once
// Dialog 164: composing a pitch to practise, one list per effect category.

#include <QDialog>
#include <array>

#include "pelta/dialog_api/dialog_data.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace pelta {

class CPracticeDlg : public QDialog {
public:
    explicit CPracticeDlg(const PracticeSetup& preset, QWidget* parent = nullptr);

    PracticeSetup Setup() const;  // as the controls stand

private:
    void RebuildLabel();

    std::array<QComboBox*, 6> lists_;  // speed, small, clone, stop, warp, vertical
    QLabel* label_;
    QCheckBox* continuous_;
};

}  // namespace pelta
