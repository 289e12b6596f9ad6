#include "launcher/app/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include "launcher_fixture.h"

namespace launcher {
namespace {

using test_support::LauncherFixture;

QString Title(const Form1& form) { return form.findChild<QLabel*>("Label1")->text(); }
QString Description(const Form1& form) { return form.findChild<QPlainTextEdit*>("Text1")->toPlainText(); }
void Click(Form1& form, const char* button) { form.findChild<QToolButton*>(button)->click(); }

// The plate's columns in the drawing: first and last column that is not transparent on the
// label's middle row.
std::pair<int, int> PlateColumns(const Form1& form) {
    const QLabel* label = form.findChild<QLabel*>("Label1");
    const int y = label->geometry().center().y();
    int first = -1, last = -1;
    for (int x = 0; x < form.drawing().width(); ++x) {
        if (qAlpha(form.drawing().pixel(x, y)) == 0) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

TEST(Form1, StartsOnTheFirstGameWithTheSettingsApplied) {
    LauncherFixture f;
    f.WriteCollection();
    const auto form = f.Load();
    ASSERT_TRUE(form);
    EXPECT_TRUE(f.recorded.messages.empty());
    EXPECT_EQ(form->windowTitle(), "テスト集");
    EXPECT_EQ(Title(*form), " ゲーム0 ");
    EXPECT_EQ(Description(*form), "説明0\n\n二行目");
    const QLabel* picture = form->findChild<QLabel*>("Picture1");
    EXPECT_EQ(picture->pixmap().toImage().pixelColor(5, 5), QColor(0, 100, 200));
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(form->drawing().pixelColor(PlateColumns(*form).first + 5, 40), QColor(0, 0, 128));
    EXPECT_EQ(form->size(), QSize(605, 437));
    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_NE(w->objectName(), "frmSplash") << "splash left behind";
}

TEST(Form1, StartsFromARelativeLauncherFolder) {
    LauncherFixture f;
    f.WriteCollection(2);
    std::filesystem::current_path(f.dir().parent_path());
    QLockFile lock(f.lockPath());
    const auto form = Form_Load({f.dir().filename(), f.supportTarget()}, f.Services(), lock);
    ASSERT_TRUE(form);
    EXPECT_EQ(std::filesystem::current_path(), f.dir());
    Click(*form, "Command2");
    EXPECT_EQ(Title(*form), " ゲーム1 ");
    EXPECT_TRUE(f.recorded.messages.empty());
}

TEST(Form1, PagingWrapsAroundAndClicksEachTime) {
    LauncherFixture f;
    f.WriteCollection(3);
    const auto form = f.Load();
    ASSERT_TRUE(form);
    struct Step {
        const char* button;
        int index;
    };
    const Step steps[] = {{"Command5", 2}, {"Command2", 0}, {"Command2", 1}, {"Command2", 2}, {"Command2", 0}, {"Command5", 2}};
    for (const Step& s : steps) {
        Click(*form, s.button);
        EXPECT_EQ(form->gameList().currentIndex, s.index);
        EXPECT_EQ(Title(*form), QString(" ゲーム%1 ").arg(s.index));
        EXPECT_EQ(Description(*form), QString("説明%1\n\n二行目").arg(s.index));
    }
    EXPECT_EQ(f.recorded.sounds, std::vector<std::string>(std::size(steps), "click.wav"));
    EXPECT_TRUE(f.recorded.messages.empty());
}

TEST(Form1, OneGamePagesToItself) {
    LauncherFixture f;
    f.WriteCollection(1);
    const auto form = f.Load();
    ASSERT_TRUE(form);
    for (const char* button : {"Command2", "Command5"}) {
        Click(*form, button);
        EXPECT_EQ(form->gameList().currentIndex, 0);
        EXPECT_EQ(Title(*form), " ゲーム0 ");
    }
    EXPECT_EQ(f.recorded.sounds, (std::vector<std::string>{"click.wav", "click.wav"}));
}

TEST(Form1, ThePlateSpansTheLabelAndSwitchingClearsTheOldOne) {
    LauncherFixture f;
    f.WriteCollection(0);
    f.WriteGameList("Short,a,a,d.txt,p.bmp\r\nA much longer title here,a,a,d.txt,p.bmp\r\nS,a,a,d.txt,p.bmp\r\n");
    f.WriteDescription("d.txt", "");
    const auto form = f.Load();
    ASSERT_TRUE(form);

    std::vector<int> widths;
    for (int i = 0; i < 3; ++i) {
        const QRect label = form->findChild<QLabel*>("Label1")->geometry();
        const auto [first, last] = PlateColumns(*form);
        EXPECT_EQ(first, label.left());
        EXPECT_EQ(last, label.left() + label.width());
        // Five pixels above and below the label, the bevel's dark top and light bottom.
        EXPECT_EQ(form->drawing().pixelColor(label.center().x(), label.top() - 5), QColor(Qt::black));
        EXPECT_EQ(qAlpha(form->drawing().pixel(label.center().x(), label.top() - 6)), 0);
        EXPECT_EQ(form->drawing().pixelColor(label.center().x(), label.bottom() + 6), QColor(Qt::white));
        EXPECT_EQ(qAlpha(form->drawing().pixel(label.center().x(), label.bottom() + 7)), 0);
        widths.push_back(last - first);
        Click(*form, "Command2");
    }
    EXPECT_LT(widths[0], widths[1]);
    EXPECT_LT(widths[2], widths[0]);
}

TEST(Form1, DescriptionBoxShowsTheFileLineForLine) {
    LauncherFixture f;
    f.WriteCollection(2);
    f.WriteDescription("d0.txt", "一\r\n\r\n\r\n二\r\n");
    f.WriteDescription("d1.txt", "");
    const auto form = f.Load();
    ASSERT_TRUE(form);
    EXPECT_EQ(Description(*form), "一\n\n\n二\n");
    Click(*form, "Command2");
    EXPECT_EQ(Description(*form), "");
}

TEST(Form1, ABadColourKeepsItsDefault) {
    LauncherFixture f;
    f.WriteCollection(1);
    f.WriteSettings("Caption\r\n1,2,3\r\nred,green,blue\r\n4,5,6\r\n7,8,9\r\n");
    const auto form = f.Load();
    ASSERT_TRUE(form);
    const QPalette text = form->findChild<QPlainTextEdit*>("Text1")->palette();
    EXPECT_EQ(text.color(QPalette::Base), QColor(4, 5, 6));
    EXPECT_EQ(text.color(QPalette::Text), QColor(7, 8, 9));
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

TEST(Form1, MissingFilesEndStartUpWithTheirMessage) {
    struct Case {
        const char* removed;
        QString message;
    };
    const Case cases[] = {
        {"etcdata/game.csv", "GAME.CSVがないので終了。"},
        {"etcdata/set.ini", "set.iniがないので終了。"},
        {"etcdata/d0.txt", "読み込むファイルがありませんので終了。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.removed);
        LauncherFixture f;
        f.WriteCollection();
        std::filesystem::remove(f.dir() / c.removed);
        EXPECT_FALSE(f.Load());
        EXPECT_EQ(f.recorded.messages, std::vector<QString>{c.message});
        EXPECT_EQ(f.recorded.splashVisibleAtMessage, std::vector<bool>{true});
    }
}

TEST(Form1, MissingPicturesDoNotStopTheLauncher) {
    LauncherFixture f;
    f.WriteCollection(2);
    std::filesystem::remove(f.dir() / "etcdata/p0.bmp");
    std::filesystem::remove(f.dir() / "etcdata/p1.bmp");
    std::filesystem::remove(f.dir() / "etcdata/GAMES.BMP");
    const auto form = f.Load();
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->findChild<QLabel*>("Picture1")->pixmap().isNull());
    Click(*form, "Command2");
    EXPECT_TRUE(form->findChild<QLabel*>("Picture1")->pixmap().isNull());
    EXPECT_TRUE(f.recorded.messages.empty());
    EXPECT_EQ(f.recorded.quits, 0);
}

TEST(Form1, AMissingDescriptionAfterPagingEndsTheLauncher) {
    LauncherFixture f;
    f.WriteCollection(2);
    std::filesystem::remove(f.dir() / "etcdata/d1.txt");
    const auto form = f.Load();
    ASSERT_TRUE(form);
    Click(*form, "Command2");
    EXPECT_EQ(f.recorded.messages, std::vector<QString>{"読み込むファイルがありませんので終了。"});
    EXPECT_EQ(f.recorded.quits, 1);
}

TEST(Form1, ASecondInstanceSaysSoAfterItsSplashAndCopy) {
    LauncherFixture f;
    f.WriteCollection();
    f.temp().Write("DLL/support.dat", "x");
    QLockFile first(f.lockPath());
    ASSERT_TRUE(first.tryLock(0));
    // The first launcher has been running for an hour.
    std::filesystem::last_write_time(f.lockPath().toStdString(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_FALSE(f.Load());
    EXPECT_EQ(f.recorded.messages, std::vector<QString>{"既に起動されています"});
    EXPECT_EQ(f.recorded.splashVisibleAtMessage, std::vector<bool>{true});
    EXPECT_TRUE(std::filesystem::exists(f.supportTarget() / "support.dat"));
}

TEST(Form1, RunStartsTheGameInItsFolderWithoutEndingOnFailure) {
    LauncherFixture f;
    f.WriteCollection(1);
    const auto program = f.temp().Write("Game0/Run0", "#!/bin/sh\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const auto form = f.Load();
    ASSERT_TRUE(form);

    Click(*form, "Command1");
    ASSERT_EQ(f.recorded.started.size(), 1u);
    EXPECT_EQ(f.recorded.started[0].program, std::filesystem::absolute(program));
    EXPECT_EQ(f.recorded.started[0].workingDirectory, std::filesystem::absolute(f.dir() / "Game0"));
    EXPECT_TRUE(f.recorded.messages.empty());

    f.recorded.startSucceeds = false;
    Click(*form, "Command1");
    std::filesystem::permissions(program, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    Click(*form, "Command1");
    std::filesystem::remove(program);
    Click(*form, "Command1");
    EXPECT_EQ(f.recorded.messages, (std::vector<QString>{"ERROR", "アクセスが拒否されました。\nrun0",
                                                         "指定されたファイルが見つかりません。\nrun0"}));
    EXPECT_EQ(f.recorded.quits, 0);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(f.recorded.sounds, std::vector<std::string>(4, "click2.wav"));

    // Starting a game changes nothing for the launcher's own files.
    Click(*form, "Command2");
    EXPECT_EQ(f.recorded.sounds.back(), "click.wav");
    EXPECT_EQ(Title(*form), " ゲーム0 ");
}

TEST(Form1, SetupStartsOnlyTheCollectionsOwnSetup) {
    LauncherFixture f;
    f.WriteCollection(1);
    const auto form = f.Load();
    ASSERT_TRUE(form);
    Click(*form, "Command3");
    EXPECT_TRUE(f.recorded.started.empty());
    EXPECT_EQ(f.recorded.messages, std::vector<QString>{"指定されたファイルが見つかりません。\nsetup"});

    const auto setup = f.temp().Write("setup", "#!/bin/sh\n");
    std::filesystem::permissions(setup, std::filesystem::perms::owner_all);
    Click(*form, "Command3");
    ASSERT_EQ(f.recorded.started.size(), 1u);
    EXPECT_EQ(f.recorded.started[0].program, std::filesystem::absolute(setup));
}

TEST(Form1, ExitClicksThenEnds) {
    LauncherFixture f;
    f.WriteCollection(1);
    const auto form = f.Load();
    ASSERT_TRUE(form);
    Click(*form, "Command4");
    EXPECT_EQ(f.recorded.sounds, std::vector<std::string>{"click2.wav"});
    EXPECT_EQ(f.recorded.quits, 1);
}

TEST(Form1, AnEmptyListShowsAnEmptyWindow) {
    LauncherFixture f;
    f.WriteCollection(0);
    const auto form = f.Load();
    ASSERT_TRUE(form);
    EXPECT_TRUE(f.recorded.messages.empty());
    for (const char* button : {"Command2", "Command5", "Command1"}) Click(*form, button);
    EXPECT_EQ(form->gameList().currentIndex, 0);
    EXPECT_TRUE(f.recorded.started.empty());
    EXPECT_TRUE(f.recorded.messages.empty());
    EXPECT_EQ(PlateColumns(*form).first, -1);
    EXPECT_TRUE(form->findChild<QLabel*>("Label1")->isHidden());
}

TEST(Form1, MissingClickSoundsPlayNothing) {
    LauncherFixture f;
    f.WriteCollection(2);
    std::filesystem::remove(f.dir() / "etcdata/click.wav");
    const auto form = f.Load();
    ASSERT_TRUE(form);
    Click(*form, "Command2");
    EXPECT_TRUE(f.recorded.sounds.empty());
    EXPECT_EQ(form->gameList().currentIndex, 1);
}

}  // namespace
}  // namespace launcher
