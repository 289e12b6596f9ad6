// The whole program offscreen: a game played to its end through the window's own input,
// the real dialogs answered as a player would, the score found again by the next run.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

#include "pelta/app/about_dlg.h"
#include "pelta/app/main_frame.h"
#include "common/qt_testing/modal_answer.h"
#include "common/qt/dialog_template.h"
#include "pelta/scores/high_score_file.h"
#include "pelta/settings/application_names.h"

namespace pelta {
namespace {

class PeltaApp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(home_.path());
        SetApplicationNames();
        QSettings().clear();
    }
    void TearDown() override {
        QSettings().clear();
        QDir::setCurrent(previous_);
    }

    // Answers each modal dialog as it opens: a name in the name entry, OK everywhere.
    void AnswerDialogs(const QString& name, QStringList* seen) {
        auto watcher = std::make_unique<QTimer>();
        watcher->setInterval(20);
        QObject::connect(watcher.get(), &QTimer::timeout, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            seen->append(dialog->windowTitle());
            if (auto* edit = dialog->findChild<QLineEdit*>(); edit && !edit->isReadOnly()) edit->setText(name);
            QPushButton* ok = nullptr;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "OK") ok = button;
            if (ok) {
                ok->click();
            } else {
                // Closed all the same, so that the test fails instead of waiting for ever.
                ADD_FAILURE() << "no OK button in " << dialog->windowTitle().toStdString();
                dialog->done(QDialog::Rejected);
            }
        });
        watcher->start();
        watchers_.push_back(std::move(watcher));
    }

    // Watches every pitch go by, frame by frame, pressing keys on the view as a player would.
    void PlayUntilGameOver(CMainFrame& frame) {
        CPeltaView& view = frame.view();
        GameState& s = view.game().state();
        for (int pitch = 0; pitch < 6; ++pitch) {
            QTest::keyClick(&view, Qt::Key_Space);
            ASSERT_EQ(s.phase, GamePhase::Windup);
            for (int i = 0; i < 5000 && s.phase != GamePhase::Idle && s.phase != GamePhase::GameOver; ++i)
                view.game().OnTimerTick();
        }
    }

    QTemporaryDir home_;
    QString previous_;
    std::vector<std::unique_ptr<QTimer>> watchers_;
};

TEST_F(PeltaApp, WindowIsTheFieldBelowTheMenuBar) {
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(frame.windowTitle(), QString::fromUtf8("peltaⅡ"));
    EXPECT_EQ(frame.view().size(), QSize(640, 200));
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
    EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    QStringList menus;
    for (QAction* a : frame.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"ｹﾞｰﾑ(&G)", "ﾗﾝｷﾝｸﾞ(&L)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"}));
}

// The item texts of a menu, "-" for a separator.
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? QString("-") : a->text());
    return items;
}

QMenu* SubMenu(const QList<QAction*>& actions, const QString& text) {
    for (QAction* a : actions)
        if (a->text() == text) return a->menu();
    return nullptr;
}

TEST_F(PeltaApp, MenuItemsRunTheirCommandsAndShowTheirCheckMarks) {
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    const GameState& s = frame.view().game().state();
    QMenu* game = SubMenu(frame.menuBar()->actions(), QString::fromUtf8("ｹﾞｰﾑ(&G)"));
    QMenu* settings = SubMenu(frame.menuBar()->actions(), QString::fromUtf8("設定(&S)"));
    QMenu* help = SubMenu(frame.menuBar()->actions(), QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    ASSERT_TRUE(game && settings && help);
    QMenu* level = SubMenu(game->actions(), QString::fromUtf8("ﾚﾍﾞﾙ(&L)"));
    QMenu* wave = SubMenu(settings->actions(), "WAVE");
    QMenu* bgm = SubMenu(settings->actions(), "BGM");
    ASSERT_TRUE(level && wave && bgm);
    EXPECT_EQ(Items(game), (QStringList{"ﾚﾍﾞﾙ(&L)", "コソ練する(&S)", "-", "ｲﾝﾀｰﾈｯﾄ ﾗﾝｷﾝｸﾞ(&I)", "-", "peltaの終了(&X)"}));
    EXPECT_EQ(Items(help), (QStringList{"ﾄﾋﾟｯｸの検索(&H)", "-", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."}));

    struct Case {
        QMenu* menu;
        int item;
        std::function<bool()> done;
    };
    const std::vector<Case> cases = {
        {level, 2, [&] { return s.level == Level::Trick; }},
        {level, 3, [&] { return s.level == Level::AnoMani; }},
        {level, 1, [&] { return s.level == Level::Normal; }},
        {level, 0, [&] { return s.level == Level::Easy; }},
        {wave, 1, [&] { return s.waveOn == 0; }},
        {wave, 0, [&] { return s.waveOn == 1; }},
        {bgm, 1, [&] { return !frame.view().game().IsChecked(Command::BgmOn); }},
        {bgm, 0, [&] { return frame.view().game().IsChecked(Command::BgmOn); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Items(c.menu).join(' ').toStdString() + " #" + std::to_string(c.item));
        c.menu->actions()[c.item]->trigger();
        EXPECT_TRUE(c.done());
        emit c.menu->aboutToShow();
        for (int i = 0; i < c.menu->actions().size(); ++i) EXPECT_EQ(c.menu->actions()[i]->isChecked(), i == c.item);
    }
}

TEST_F(PeltaApp, EscapeDoesNotStartAPitchButOtherKeysAndClicksDo) {
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    GameState& s = frame.view().game().state();

    for (auto press : std::vector<std::function<void()>>{
             [&] { QTest::keyClick(&frame.view(), Qt::Key_A); },
             [&] { QTest::keyClick(&frame.view(), Qt::Key_Return); },
             [&] { QTest::keyClick(&frame.view(), Qt::Key_Tab); },
             [&] { QTest::keyClick(&frame.view(), Qt::Key_Backtab, Qt::ShiftModifier); },
             [&] { QTest::mouseClick(&frame.view(), Qt::LeftButton); }}) {
        frame.view().Command(Command::LevelEasy);
        press();
        EXPECT_EQ(s.phase, GamePhase::Windup);
    }

    frame.view().Command(Command::LevelEasy);
    QTest::keyClick(&frame.view(), Qt::Key_F6);  // an accelerator without an action
    EXPECT_EQ(s.phase, GamePhase::Idle);
    QTest::keyClick(&frame.view(), Qt::Key_Escape);
    EXPECT_EQ(s.phase, GamePhase::Idle);
    EXPECT_TRUE(frame.isMinimized());
}

// Keys held with Alt are menu mnemonics and keys held with the logo key are the desktop's,
// whether or not anything answers them; Ctrl and Shift leave a key the game's button.
TEST_F(PeltaApp, OnlyKeysWithoutAltOrTheLogoKeyAreTheGamesButton) {
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    GameState& s = frame.view().game().state();

    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool starts;
    };
    const std::vector<Case> cases = {
        {Qt::Key_Q, Qt::AltModifier, false},
        {Qt::Key_Space, Qt::AltModifier, false},
        {Qt::Key_Return, Qt::AltModifier, false},
        {Qt::Key_F4, Qt::AltModifier, false},
        {Qt::Key_A, Qt::MetaModifier, false},
        {Qt::Key_Meta, Qt::NoModifier, false},
        {Qt::Key_A, Qt::ControlModifier, true},
        {Qt::Key_A, Qt::ShiftModifier, true},
        {Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier, true},
        {Qt::Key_Q, Qt::NoModifier, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        frame.view().Command(Command::LevelEasy);
        QTest::keyClick(&frame.view(), c.key, c.modifiers);
        EXPECT_EQ(s.phase, c.starts ? GamePhase::Windup : GamePhase::Idle);
        // A mnemonic may have handed the keyboard to the menu bar.
        frame.view().setFocus();
    }
}

// Whether the game's frames advance on their own (generous for slow sanitizer builds).
bool FramesAdvance(const GameState& s) {
    auto moment = [&] { return std::tuple(s.phase, s.pitcherFrame, s.phaseTicks, s.x); };
    const auto before = moment();
    for (int waited = 0; waited < 5000 && moment() == before; waited += 10) QTest::qWait(10);
    return moment() != before;
}

// Whether the game is paused: its frame tick is stopped, and what is already queued does not
// move it on.
bool FramesStandStill(CPeltaView& view) {
    const GameState& s = view.game().state();
    const auto moment = [&] { return std::tuple(s.phase, s.pitcherFrame, s.phaseTicks, s.x); };
    const auto before = moment();
    QCoreApplication::processEvents();
    return !view.FramesRunning() && moment() == before;
}

TEST_F(PeltaApp, MenusLeaveTheGameRunningLeavingTheWindowPausesIt) {
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    CPeltaView& view = frame.view();
    const GameState& s = view.game().state();
    QTest::keyClick(&view, Qt::Key_Space);
    ASSERT_TRUE(FramesAdvance(s));

    // Alt hands the keyboard to the menu bar.
    QTest::keyClick(&view, Qt::Key_Alt);
    ASSERT_TRUE(frame.menuBar()->hasFocus());
    EXPECT_TRUE(FramesAdvance(s));

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(FramesStandStill(view));

    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    EXPECT_TRUE(view.hasFocus());
    EXPECT_TRUE(FramesAdvance(s));
}

TEST_F(PeltaApp, AboutBoxCreditsAreFiveLinesWithTheHomePageAndTwoAddresses) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    auto* credits = about.findChild<QPlainTextEdit*>();
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isReadOnly());
    const QStringList lines = credits->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 5);
    for (const QString& line : lines) EXPECT_TRUE(line.startsWith(' ')) << line.toStdString();
    EXPECT_EQ(lines[1].trimmed(), QString(kHomePageUrl));
    EXPECT_TRUE(lines[2].trimmed().isEmpty());
    for (int credit : {3, 4}) EXPECT_TRUE(lines[credit].contains(QRegularExpression("<\\S+@\\S+>"))) << credit;
}

// The credits edit shows all five lines whole, with the face this desktop draws, in the
// dialog's own size.
TEST_F(PeltaApp, AboutBoxShowsAllFiveCreditLinesWhole) {
    CAboutDlg about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const qt::DialogUnits du(qt::DialogFont());
    EXPECT_EQ(about.size(), QSize(du.X(273), du.Y(103)));

    auto* credits = about.findChild<QPlainTextEdit*>();
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->verticalScrollBar()->maximum(), 0) << "there is more to scroll to";
    QTextCursor end(credits->document());
    end.movePosition(QTextCursor::End);
    // The caret's box spans the last line's full height, in the visible area's coordinates.
    EXPECT_LE(credits->cursorRect(end).bottom(), credits->viewport()->height() - 1);
    EXPECT_LE(credits->document()->documentLayout()->documentSize().width(), credits->viewport()->width());
    // Nothing else of the dialog is covered by the edit.
    for (QWidget* other : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == credits) continue;
        EXPECT_FALSE(other->geometry().intersects(credits->geometry())) << other->metaObject()->className();
    }
}

// "BGM Sound" goes back to the profile as it was read until the player switches the music.
TEST_F(PeltaApp, BgmSoundIsSavedAsReadUntilThePlayerSwitchesIt) {
    struct Case {
        int asRead;
        std::vector<Command> commands;
        int saved;
    };
    const std::vector<Case> cases = {
        {5, {}, 5},
        {-2, {Command::BgmOn, Command::LevelTrick}, -2},
        {5, {Command::BgmOff}, 0},
        {5, {Command::BgmOff, Command::BgmOn}, 1},
        {0, {}, 0},
        {0, {Command::BgmOn}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "read " << c.asRead << ", " << c.commands.size() << " commands");
        QSettings().setValue("Settings/BGM Sound", c.asRead);
        QSettings().sync();
        {
            CMainFrame frame;
            ASSERT_TRUE(frame.Create());
            EXPECT_EQ(frame.view().IsChecked(Command::BgmOn), c.asRead != 0);
            for (Command command : c.commands) frame.view().Command(command);
            frame.close();
        }
        EXPECT_EQ(QSettings().value("Settings/BGM Sound").toInt(), c.saved);
    }
}

TEST_F(PeltaApp, AGameEndsInTheDialogsAndItsScoreOutlivesTheRun) {
    QStringList seen;
    {
        CMainFrame frame;
        ASSERT_TRUE(frame.Create());
        frame.show();
        GameState& s = frame.view().game().state();
        s.level = Level::Trick;
        PlayUntilGameOver(frame);
        ASSERT_EQ(s.phase, GamePhase::GameOver);
        s.score = 4321;  // as if some pitches had been hit

        AnswerDialogs(QString::fromUtf8("山田"), &seen);
        QTest::keyClick(&frame.view(), Qt::Key_Space);
        EXPECT_EQ(s.phase, GamePhase::Idle);
        EXPECT_EQ(s.score, 0);
        EXPECT_EQ(s.level, Level::Trick);
        frame.close();
    }
    EXPECT_EQ(seen, (QStringList{"げ～む お～ば～", "おめでとうございます～", "ﾗﾝｷﾝｸﾞ"}));
    ASSERT_TRUE(QFile::exists("pelta.dat"));

    HighScoreFile file("pelta.dat");
    const HighScoreTable table = file.Load();
    ASSERT_EQ(table[2].count, 1);
    EXPECT_EQ(table[2].entries[0].score, 4321);
    EXPECT_EQ(table[2].entries[0].name, "山田");

    CMainFrame again;
    ASSERT_TRUE(again.Create());
    const GameState& s = again.view().game().state();
    EXPECT_EQ(s.highScores[2].entries[0].score, 4321);
    EXPECT_EQ(s.level, Level::Trick);
    EXPECT_EQ(s.playerName, "山田");
}

// A score file that can be neither read nor moved aside is kept, so the save at exit fails:
// the player is told, not left to find the scores missing at the next start.
TEST_F(PeltaApp, AFailedSaveOfTheHighScoresIsShownWhenTheWindowCloses) {
    QDir().mkdir("pelta.dat");
    for (int i = 1; i <= 99; ++i) {
        QFile taken(i == 1 ? QString("pelta.dat.bad") : QString("pelta.dat.bad%1").arg(i));
        ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    }
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.show();
    QString message;
    {
        test_support::ModalAnswer answer([&message](QDialog& box) {
            if (auto* messageBox = qobject_cast<QMessageBox*>(&box)) message = messageBox->text();
            box.accept();
        });
        frame.close();
    }
    EXPECT_TRUE(message.startsWith(QString::fromUtf8("ハイスコアを保存できませんでした。"))) << message.toStdString();
    EXPECT_TRUE(message.contains("pelta.dat")) << message.toStdString();
    EXPECT_TRUE(QFileInfo("pelta.dat").isDir());
}

}  // namespace
}  // namespace pelta
