#include "installer/app/installer_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "installer/core/installer_flow.h"
#include "installer/core/main_dialog.h"
#include "common/qt/dialog_template.h"

namespace installer {
namespace {

constexpr SystemInfo kEnglish{10 * 256, false};
constexpr SystemInfo kJapanese{10 * 256, true};
constexpr SystemInfo kOldEnglish{3 * 256 + 10, false};

QPushButton* Button(QWidget& window, const char* id) { return window.findChild<QPushButton*>(id); }

// Runs the flow with the real main dialog, driven by `interact` once it is up; everything
// else (choosers, boxes, extraction, the start) is recorded.
struct WindowRun : InstallerUi, InstallRootSource {
    std::function<void(InstallerWindow&)> interact;
    std::vector<std::optional<std::string>> chooserAnswers;
    std::vector<FolderRequest> folderRequests;
    std::vector<Message> messages;
    std::vector<ProgramStart> starts;
    std::vector<std::string> extractedInto;
    std::string savedRoot;

    void RunMainDialog(MainDialog& dialog) override {
        InstallerWindow window(dialog);
        window.show();
        interact(window);
        // A script that did not close the dialog leaves it as the close box would.
        if (window.isVisible()) window.close();
    }
    std::optional<std::string> ChooseFolder(const FolderRequest& request) override {
        folderRequests.push_back(request);
        if (chooserAnswers.empty()) return std::nullopt;
        auto answer = chooserAnswers.front();
        chooserAnswers.erase(chooserAnswers.begin());
        return answer;
    }
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void StartProgram(const ProgramStart& start) override { starts.push_back(start); }
    std::string InstallRoot() const override { return savedRoot; }

    void Go(const SystemInfo& system) {
        RunInstaller(*this, {system, *this, {"", "/home/u"}, [this](const std::filesystem::path& to) {
                                 extractedInto.push_back(to.string());
                                 return lzh::ResultCode::Success;
                             }});
    }
};

void Retype(InstallerWindow& window, const QString& text) {
    window.FolderEdit()->selectAll();
    QTest::keyClicks(window.FolderEdit(), text);
}

TEST(InstallerWindow, TextsAndSizeInDialogUnitsPerLanguage) {
    struct Case {
        SystemInfo system;
        const char* name;
        const char* title;
        const char* label;
        const char* browse;
        const char* shortcut;
        const char* start;
    };
    for (const Case& c : {Case{kEnglish, "dialog1", "Tovra installer ver0.16", "Install folder:", "Browse",
                               "Create a shortcut on your Desktop", "Start installation"},
                          Case{kJapanese, "dialog2", "Tovraインストーラ ver0.16", "インストール先:",
                               "インストール先を選ぶ", "デスクトップにショートカットを作る", "インストール開始"}}) {
        WindowRun run;
        run.interact = [&](InstallerWindow& window) {
            EXPECT_EQ(window.objectName(), c.name);
            EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title));
            const qt::DialogUnits du(window.font());
            EXPECT_EQ(window.size(), QSize(du.X(194), du.Y(82)));
            QList<QLabel*> labels = window.findChildren<QLabel*>();
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(labels[0]->text(), QString::fromUtf8(c.label));
            EXPECT_EQ(Button(window, "102")->text(), QString::fromUtf8(c.browse));
            EXPECT_EQ(window.ShortcutBox()->text(), QString::fromUtf8(c.shortcut));
            EXPECT_EQ(Button(window, "1")->text(), QString::fromUtf8(c.start));
            EXPECT_EQ(Button(window, "2")->text(), "Cancel");
            EXPECT_TRUE(Button(window, "1")->isDefault());
            // Every control lies inside the dialog.
            for (QWidget* child : window.findChildren<QWidget*>()) {
                EXPECT_TRUE(window.rect().contains(child->geometry())) << child->objectName().toStdString();
            }
        };
        run.Go(c.system);
    }
}

TEST(InstallerWindow, SavedRootIsShownAndStartUsesWhatIsTyped) {
    WindowRun run;
    run.savedRoot = "/srv/Tools/Tovra";
    run.interact = [](InstallerWindow& window) {
        EXPECT_EQ(window.FolderEdit()->text(), "/srv/Tools/Tovra");
        EXPECT_TRUE(window.ShortcutBox()->isChecked());
        EXPECT_TRUE(window.ShortcutBox()->isEnabled());
        Retype(window, "/data/My Tools/Tovra");
        QTest::mouseClick(window.ShortcutBox(), Qt::LeftButton);
        QTest::mouseClick(Button(window, "1"), Qt::LeftButton);
    };
    run.Go(kEnglish);
    EXPECT_EQ(run.extractedInto, std::vector<std::string>{"/data/My Tools/Tovra"});
    ASSERT_EQ(run.starts.size(), 1u);
    EXPECT_EQ(run.starts[0].program, "/data/My Tools/Tovra/tovra");
    EXPECT_EQ(run.starts[0].arguments, std::vector<std::string>{"-s-"});
}

TEST(InstallerWindow, BrowseStartsAtTheTypedFolderAndShowsTheChoice) {
    WindowRun run;
    run.chooserAnswers = {"/chosen"};
    run.interact = [](InstallerWindow& window) {
        Retype(window, "/typed/here/");
        QTest::mouseClick(Button(window, "102"), Qt::LeftButton);
        EXPECT_EQ(window.FolderEdit()->text(), "/chosen");
        QTest::keyClick(&window, Qt::Key_Return);
    };
    run.Go(kEnglish);
    ASSERT_EQ(run.folderRequests.size(), 1u);
    EXPECT_EQ(run.folderRequests[0].start, "/typed/here");
    EXPECT_EQ(run.extractedInto, std::vector<std::string>{"/chosen"});
    EXPECT_EQ(run.starts.at(0).arguments, (std::vector<std::string>{"-s-", "-l"}));
}

TEST(InstallerWindow, OldShellDisablesTheShortcutAndNeverAddsIt) {
    WindowRun run;
    run.interact = [](InstallerWindow& window) {
        EXPECT_FALSE(window.ShortcutBox()->isChecked());
        EXPECT_FALSE(window.ShortcutBox()->isEnabled());
        QTest::mouseClick(window.ShortcutBox(), Qt::LeftButton);
        EXPECT_FALSE(window.ShortcutBox()->isChecked());
        QTest::mouseClick(Button(window, "1"), Qt::LeftButton);
    };
    run.Go(kOldEnglish);
    ASSERT_EQ(run.starts.size(), 1u);
    EXPECT_EQ(run.starts[0].arguments, std::vector<std::string>{"-s-"});
}

TEST(InstallerWindow, CancelEscapeAndCloseEndSilently) {
    std::vector<std::function<void(InstallerWindow&)>> ways{
        [](InstallerWindow& w) { QTest::mouseClick(Button(w, "2"), Qt::LeftButton); },
        [](InstallerWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](InstallerWindow& w) { w.close(); },
    };
    for (auto& way : ways) {
        WindowRun run;
        run.interact = way;
        run.Go(kJapanese);
        EXPECT_TRUE(run.extractedInto.empty());
        EXPECT_TRUE(run.messages.empty());
        EXPECT_TRUE(run.starts.empty());
    }
}

}  // namespace
}  // namespace installer
