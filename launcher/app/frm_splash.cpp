#include "launcher/app/frm_splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "launcher/app/launcher_fonts.h"

namespace launcher {

frmSplash::frmSplash() {
    setObjectName("frmSplash");
    // A splash window: neither title bar nor task-bar button; the frame is drawn below.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFont(WindowFont());
    constexpr int kBorder = 3;  // the fixed dialog frame around the 279 × 57 client area
    setFixedSize(279 + 2 * kBorder, 57 + 2 * kBorder);
    setCursor(Qt::WaitCursor);

    auto* outer = new QFrame(this);
    outer->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    outer->setGeometry(rect());

    auto* frame1 = new QFrame(this);
    frame1->setObjectName("Frame1");
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setGeometry(kBorder + 8, kBorder + 0, 264, 54);

    auto* licenseTo = new QLabel("Now Loading.........", frame1);
    licenseTo->setObjectName("lblLicenseTo");
    licenseTo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // As wide as its text needs where this face is wider than the design's.
    licenseTo->setGeometry(8, 16, std::max(89, licenseTo->sizeHint().width()), 17);

    auto* product = new QLabel(QString::fromUtf8("起動に必要なファイルをコピーしています。"), frame1);
    product->setObjectName("lblCompanyProduct");
    product->setFont(SplashFont());
    product->move(8, 32);
    product->adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace launcher
