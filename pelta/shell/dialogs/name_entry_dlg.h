#pragma once
// Dialog 163: the name for a new top-ten entry.

#include <QDialog>
#include <QValidator>
#include <string>

#include "pelta/dialog_api/dialog_data.h"

class QLineEdit;

namespace pelta {

// Accepts text whose Shift-JIS form fits the byte limit. Text without a Shift-JIS form is
// refused too: the high-score file could not keep it. Only committed text is checked, so
// an input method's composition is never cut short.
class ShiftJisLimitValidator : public QValidator {
public:
    ShiftJisLimitValidator(std::size_t maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;
    bool Fits(const QString& text) const;

private:
    std::size_t maxBytes_;
};

class CNameEntryDlg : public QDialog {
public:
    explicit CNameEntryDlg(const NameEntryData& data, QWidget* parent = nullptr);

    std::string Name() const;  // as it stands in the edit

private:
    QLineEdit* nameEdit_;
};

}  // namespace pelta
