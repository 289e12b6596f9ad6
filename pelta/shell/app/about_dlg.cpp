#include "pelta/app/about_dlg.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>

#include "common/qt/dialog_template.h"

namespace pelta {
namespace {

constexpr int kCreditsMargin = 2;  // pixels between the frame and the text

}  // namespace

QString CAboutDlg::CreditsText() {
    return QString::fromUtf8(
        " pelta の最新版は下記ﾎｰﾑﾍﾟｰｼﾞから入手できます\r\n"
        " %1\r\n"
        " \r\n"
        " Program : the game collection developers <pelta@example.invalid>\r\n"
        " Ranking CGI : the game collection developers <ranking@example.invalid>")
        .arg(kHomePageUrl);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const qt::DialogUnits du = qt::ApplyDialogTemplate(*this, QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"), 273, 103);

    auto* icon = new QLabel(this);
    icon->setPixmap(windowIcon().pixmap(du.X(20), du.Y(20)));
    Place(*icon, du, 11, 10, 20, 20);

    auto* version = new QLabel(QString::fromUtf8("peltaⅡ release 5 [20/Feb/2000]"), this);
    Place(*version, du, 40, 10, 170, 8);
    auto* rights = new QLabel(QString::fromUtf8("Copyright (C) 2026 the game collection developers"), this);
    Place(*rights, du, 40, 24, 170, 8);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    Place(*ok, du, 216, 7, 50, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* credits = new QPlainTextEdit(CreditsText(), this);
    credits->setReadOnly(true);
    credits->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The lines stand close to the frame, as in a desktop edit control, and the edit is as
    // tall as its lines in the face drawn here, standing where the layout puts its foot: a
    // height in dialog units cut the last line through the middle.
    credits->document()->setDocumentMargin(kCreditsMargin);
    const int linesHeight = credits->document()->blockCount() * credits->fontMetrics().lineSpacing();
    // One pixel row more than the lines, or the edit still offers to scroll by one.
    const int height = linesHeight + 1 + 2 * (kCreditsMargin + credits->frameWidth());
    const QRect foot = du.Rect(7, 40, 259, 40);
    credits->setGeometry(foot.left(), foot.bottom() + 1 - height, foot.width(), height);

    auto* newest = new QPushButton(QString::fromUtf8("最新版ﾁｪｯｸ !!"), this);
    Place(*newest, du, 196, 82, 70, 14);
    // The dialog stays open; a failed browser start is not reported, as before.
    connect(newest, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(kHomePageUrl)); });
}

}  // namespace pelta
