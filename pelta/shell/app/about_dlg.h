#pragma once
// "ﾊﾞｰｼﾞｮﾝ情報": the version line, the rights notice and the credits.

#include <QDialog>

namespace pelta {

// This project's own pages; the game never sends anything to them.
inline constexpr char kHomePageUrl[] = "https://example.invalid/pelta/";

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The credits edit's text: five lines, each beginning with a space.
    static QString CreditsText();
};

}  // namespace pelta
