#pragma once
// The launcher's main window: one game at a time (title plate, picture, description) and five
// picture buttons to page through the games, start one, start the set-up, and end.

#include <QImage>
#include <QWidget>
#include <filesystem>
#include <string_view>

#include "launcher/app/launcher_services.h"
#include "launcher/core/game_list.h"
#include "launcher/core/launcher_settings.h"

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace launcher {

class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 605;
    static constexpr int kClientHeight = 437;

    Form1(std::filesystem::path launcherDir, LauncherServices services);

    // The start-up (FormLoad) fills the window through these, in this order.
    void ApplySettings(const LauncherSettings& settings);
    void SetGameList(const GameList& list);
    void LoadBackground();
    void LoadEntryPicture();
    // False when the entry's description file is missing.
    bool LoadEntryDescription();
    // The title on its plate (hidden while it is placed), without clearing what was drawn before.
    void ShowTitle();

    const GameList& gameList() const { return list_; }
    // What has been drawn on the window, over its background (transparent elsewhere).
    const QImage& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildControls();
    void ShowEntry();
    void PlayClick(std::string_view soundFile);
    void Start(std::string_view directory, std::string_view commandLine, std::string_view searchPath);

    void Command5_Click();  // previous
    void Command2_Click();  // next
    void Command1_Click();  // run
    void Command3_Click();  // set-up
    void Command4_Click();  // exit
    void Form_Activate();

    std::filesystem::path launcherDir_;
    LauncherServices services_;
    GameList list_;
    QColor plateColor_;
    QImage background_;
    QImage drawing_;

    QLabel* Label1_ = nullptr;
    QLabel* Picture1_ = nullptr;
    QPlainTextEdit* Text1_ = nullptr;
};

}  // namespace launcher
