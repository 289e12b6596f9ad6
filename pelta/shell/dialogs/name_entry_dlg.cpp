#include "pelta/dialogs/name_entry_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/qt/dialog_template.h"
#include "common/text/sjis.h"

namespace pelta {
namespace {

// A stored name that does not fit (settings edited by hand) is cut to its longest fitting
// start instead of holding the player at a message box.
QString FittingStart(const QString& name, const ShiftJisLimitValidator& validator) {
    QString fitted;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype step = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString longer = fitted + name.mid(i, step);
        if (!validator.Fits(longer)) break;
        fitted = longer;
        i += step;
    }
    return fitted;
}

}  // namespace

ShiftJisLimitValidator::ShiftJisLimitValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State ShiftJisLimitValidator::validate(QString& input, int&) const {
    return Fits(input) ? Acceptable : Invalid;
}

bool ShiftJisLimitValidator::Fits(const QString& text) const {
    const auto bytes = sjis::ByteLength(text.toStdString());
    return bytes && *bytes <= maxBytes_;
}

CNameEntryDlg::CNameEntryDlg(const NameEntryData& data, QWidget* parent)
    : QDialog(parent), nameEdit_(new QLineEdit(this)) {
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, QStringLiteral("おめでとうございます～"), 143, 75);

    auto* headline = new QLabel(QString::fromStdString(data.headline), this);
    headline->setObjectName(QStringLiteral("headline"));
    headline->setAlignment(Qt::AlignCenter);
    Place(*headline, du, 4, 8, 135, 10);

    auto* prompt = new QLabel(QStringLiteral("あなたのお名前は ?"), this);
    prompt->setAlignment(Qt::AlignCenter);
    Place(*prompt, du, 4, 22, 135, 9);

    auto* validator = new ShiftJisLimitValidator(kNameMaxBytes, this);
    nameEdit_->setObjectName(QStringLiteral("name"));
    nameEdit_->setText(FittingStart(QString::fromStdString(data.name), *validator));
    nameEdit_->setValidator(validator);
    Place(*nameEdit_, du, 34, 35, 75, 13);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    Place(*ok, du, 46, 55, 50, 14);

    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

std::string CNameEntryDlg::Name() const { return nameEdit_->text().toStdString(); }

}  // namespace pelta
