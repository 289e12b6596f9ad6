#include "pelta/app/main_frame.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <vector>

#include "pelta/app/about_dlg.h"

namespace pelta {

CMainFrame::CMainFrame() : view_(new CPeltaView(this)) {
    setWindowTitle(QString::fromUtf8("peltaⅡ"));
    // Caption, system menu and minimise box: no sizing border, no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setCentralWidget(view_);
    BuildMenus();
    BuildAccelerators();
}

bool CMainFrame::Create() {
    if (!view_->Create()) return false;
    // The field exactly, below the menu bar; window managers own the outer frame.
    setFixedSize(sizeHint());
    view_->setFocus();
    return true;
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, pelta::Command command) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [this, command] { view_->Command(command); });
    return action;
}

void CMainFrame::BuildMenus() {
    using pelta::Command;
    QMenuBar* bar = menuBar();
    auto checkable = [this](QAction* action, Command command) {
        action->setCheckable(true);
        checked_.emplace_back(action, command);
    };

    QMenu* gameMenu = bar->addMenu(QString::fromUtf8("ｹﾞｰﾑ(&G)"));
    QMenu* levelMenu = gameMenu->addMenu(QString::fromUtf8("ﾚﾍﾞﾙ(&L)"));
    checkable(AddCommand(levelMenu, "Easy", Command::LevelEasy), Command::LevelEasy);
    checkable(AddCommand(levelMenu, "Normal", Command::LevelNormal), Command::LevelNormal);
    checkable(AddCommand(levelMenu, "Trick", Command::LevelTrick), Command::LevelTrick);
    checkable(AddCommand(levelMenu, "AnoMani", Command::LevelAnoMani), Command::LevelAnoMani);
    checkable(AddCommand(gameMenu, QString::fromUtf8("コソ練する(&S)"), Command::Practice), Command::Practice);
    gameMenu->addSeparator();
    AddCommand(gameMenu, QString::fromUtf8("ｲﾝﾀｰﾈｯﾄ ﾗﾝｷﾝｸﾞ(&I)"), Command::InternetRanking);
    gameMenu->addSeparator();
    connect(gameMenu->addAction(QString::fromUtf8("peltaの終了(&X)")), &QAction::triggered, this, &QWidget::close);

    // A command of the menu bar itself, not a pop-up.
    QAction* ranking = bar->addAction(QString::fromUtf8("ﾗﾝｷﾝｸﾞ(&L)"));
    connect(ranking, &QAction::triggered, this, [this] { view_->Command(Command::Ranking); });

    QMenu* settingsMenu = bar->addMenu(QString::fromUtf8("設定(&S)"));
    QMenu* waveMenu = settingsMenu->addMenu("WAVE");
    checkable(AddCommand(waveMenu, "ON", Command::WaveOn), Command::WaveOn);
    checkable(AddCommand(waveMenu, "OFF", Command::WaveOff), Command::WaveOff);
    QMenu* bgmMenu = settingsMenu->addMenu("BGM");
    checkable(AddCommand(bgmMenu, "ON", Command::BgmOn), Command::BgmOn);
    checkable(AddCommand(bgmMenu, "OFF", Command::BgmOff), Command::BgmOff);

    QMenu* helpMenu = bar->addMenu(QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    AddCommand(helpMenu, QString::fromUtf8("ﾄﾋﾟｯｸの検索(&H)"), Command::HelpTopics);
    helpMenu->addSeparator();
    connect(helpMenu->addAction(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報(&A)...")), &QAction::triggered, this, [this] {
        view_->game().StopTimer();
        CAboutDlg(this).exec();
    });

    // Check marks follow the game each time a menu opens.
    for (QMenu* menu : {levelMenu, gameMenu, waveMenu, bgmMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCheckMarks(); });
}

void CMainFrame::UpdateCheckMarks() {
    for (auto& [action, command] : checked_) action->setChecked(view_->IsChecked(command));
}

void CMainFrame::BuildAccelerators() {
    // Esc minimises the window, which pauses the game through the focus loss.
    auto* minimise = new QAction(this);
    minimise->setShortcut(Qt::Key_Escape);
    connect(minimise, &QAction::triggered, this, &QWidget::showMinimized);
    addAction(minimise);

    // The rest of the table has no effect on the game, but its keys must not reach it as
    // presses of the game's button. The document's new, open and save have nothing to act on.
    auto* swallow = new QAction(this);
    swallow->setShortcuts({QKeySequence("Ctrl+N"), QKeySequence("Ctrl+O"), QKeySequence("Ctrl+S"),
                           QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins"), QKeySequence("Ctrl+X"),
                           QKeySequence("Shift+Del"), QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins"),
                           QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace"), QKeySequence("F6"),
                           QKeySequence("Shift+F6")});
    addAction(swallow);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    const files::WriteResult saved = view_->Destroy();
    if (!saved) {
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8("ハイスコアを保存できませんでした。\n") +
                                 QString::fromStdString(saved.error));
    }
    event->accept();
}

}  // namespace pelta
