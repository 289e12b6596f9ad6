#include <gtest/gtest.h>

#include "installer/core/installer_flow.h"
#include "installer/core/main_dialog.h"
#include "scripted_ui.h"

namespace installer {
namespace {

using test_support::CancelDialog;
using test_support::SavedRoot;
using test_support::ScriptedUi;
using test_support::TypeAndBrowse;
using test_support::TypeAndStart;

constexpr SystemInfo kEnglish{10 * 256, false};
constexpr SystemInfo kJapanese{10 * 256, true};
constexpr SystemInfo kOldEnglish{3 * 256 + 10, false};

// One run of the installer over a scripted dialog and a recording extraction.
struct InstallRun {
    ScriptedUi ui;
    SavedRoot saved;
    UserEnvironment environment{"", "/home/u"};
    lzh::ResultCode extractResult = lzh::ResultCode::Success;
    std::vector<std::string> extractedInto;

    int Go(const SystemInfo& system) {
        InstallerContext context{system, saved, environment, [this](const std::filesystem::path& to) {
                                     extractedInto.push_back(to.string());
                                     return extractResult;
                                 }};
        return RunInstaller(ui, context);
    }
};

TEST(InstallerFlow, SavedRootIsProposedExtractedIntoAndStartsTheUtilityThere) {
    for (bool ticked : {true, false}) {
        InstallRun run;
        run.saved.root = "/srv/Tools/Tovra";
        run.ui.script = {TypeAndStart{"/srv/Tools/Tovra", ticked}};
        EXPECT_EQ(run.Go(kEnglish), 0);

        ASSERT_TRUE(run.ui.shown);
        EXPECT_EQ(run.ui.shown->folder, "/srv/Tools/Tovra");
        EXPECT_TRUE(run.ui.shown->ticked);
        EXPECT_TRUE(run.ui.shown->enabled);
        EXPECT_EQ(run.extractedInto, std::vector<std::string>{"/srv/Tools/Tovra"});
        ASSERT_EQ(run.ui.starts.size(), 1u);
        EXPECT_EQ(run.ui.starts[0].program, "/srv/Tools/Tovra/tovra");
        std::vector<std::string> expected{"-s-"};
        if (ticked) expected.push_back("-l");
        EXPECT_EQ(run.ui.starts[0].arguments, expected);
        EXPECT_EQ(run.ui.starts[0].workingDirectory, "/srv/Tools/Tovra");
    }
}

TEST(InstallerFlow, FinishedMessageComesBeforeTheUtilityInTheUsersLanguage) {
    struct Case {
        SystemInfo system;
        const char* title;
        const char* text;
        const char* caption;
    };
    for (const Case& c :
         {Case{kEnglish, "Tovra installer ver0.16", "Installation finished.\nLaunch Tovra...", "Install finished"},
          Case{kJapanese, "Tovraインストーラ ver0.16", "インストール完了です。\nTovraを起動します。",
               "インストール完了"}}) {
        InstallRun run;
        run.ui.script = {TypeAndStart{"/opt/t", false}};
        run.Go(c.system);
        EXPECT_EQ(run.ui.shown->texts.title, c.title);
        ASSERT_EQ(run.ui.messages.size(), 1u);
        EXPECT_EQ(run.ui.messages[0].text, c.text);
        EXPECT_EQ(run.ui.messages[0].caption, c.caption);
        EXPECT_EQ(run.ui.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(run.ui.starts.size(), 1u);
    }
}

TEST(InstallerFlow, ExtractionFailureIsShownOnceUnderCautionAndNothingStarts) {
    struct Case {
        SystemInfo system;
        const char* text;
    };
    for (const Case& c : {Case{kEnglish, "Write error\nCheck 'destination folder'."},
                          Case{kJapanese, "書込みエラー\nインストール先を確認してください。"}}) {
        InstallRun run;
        run.extractResult = lzh::ResultCode::WriteError;
        run.ui.script = {TypeAndStart{"/opt/t", true}};
        run.Go(c.system);
        ASSERT_EQ(run.ui.messages.size(), 1u);
        EXPECT_EQ(run.ui.messages[0].text, c.text);
        EXPECT_EQ(run.ui.messages[0].caption, "CAUTION!");
        EXPECT_EQ(run.ui.messages[0].icon, MessageIcon::Information);
        EXPECT_TRUE(run.ui.starts.empty());
    }
}

TEST(InstallerFlow, OldShellNeverOffersTheShortcut) {
    InstallRun run;
    run.ui.script = {TypeAndStart{"/opt/t", true}};
    run.Go(kOldEnglish);
    EXPECT_FALSE(run.ui.shown->ticked);
    EXPECT_FALSE(run.ui.shown->enabled);
    ASSERT_EQ(run.ui.starts.size(), 1u);
    EXPECT_EQ(run.ui.starts[0].arguments, std::vector<std::string>{"-s-"});
}

TEST(InstallerFlow, TypedFolderIsUsedAsTyped) {
    struct Case {
        const char* typed;
        const char* installedInto;  // empty: nothing extracted, a write error instead
    };
    for (const Case& c : {Case{"/data/My Tools/tovra here", "/data/My Tools/tovra here"},
                          // "~/" is the home folder, as everywhere on a desktop.
                          Case{"~/Apps/Tovra", "/home/u/Apps/Tovra"},
                          // Nothing typed would scatter the files into the current folder.
                          Case{"", ""}}) {
        InstallRun run;
        run.ui.script = {TypeAndStart{c.typed, false}};
        run.Go(kEnglish);
        if (*c.installedInto) {
            EXPECT_EQ(run.extractedInto, std::vector<std::string>{c.installedInto});
            ASSERT_EQ(run.ui.starts.size(), 1u);
            EXPECT_EQ(run.ui.starts[0].program, std::string(c.installedInto) + "/tovra");
        } else {
            EXPECT_TRUE(run.extractedInto.empty());
            EXPECT_TRUE(run.ui.starts.empty());
            ASSERT_EQ(run.ui.messages.size(), 1u);
            EXPECT_EQ(run.ui.messages[0].text, "Write error\nCheck 'destination folder'.");
        }
    }
}

TEST(InstallerFlow, CancelEndsSilently) {
    for (bool closeBox : {false, true}) {
        InstallRun run;
        if (!closeBox) run.ui.script = {TypeAndBrowse{"/x"}, CancelDialog{}};
        EXPECT_EQ(run.Go(kEnglish), 0);
        EXPECT_TRUE(run.extractedInto.empty());
        EXPECT_TRUE(run.ui.messages.empty());
        EXPECT_TRUE(run.ui.starts.empty());
    }
}

TEST(InstallerFlow, BrowseStartsAtTheTypedFolderAndItsChoiceIsInstalledInto) {
    InstallRun run;
    run.ui.script = {TypeAndBrowse{"/typed/place/"}, TypeAndStart{"/chosen/place", true}};
    run.ui.chooserAnswers = {"/chosen/place"};
    run.Go(kEnglish);
    ASSERT_EQ(run.ui.folderRequests.size(), 1u);
    EXPECT_EQ(run.ui.folderRequests[0].start, "/typed/place");
    EXPECT_EQ(run.ui.folderRequests[0].title, "Install to..");
    EXPECT_FALSE(run.ui.folderRequests[0].directoryPicker);
    EXPECT_EQ(run.ui.editAfterBrowse, std::vector<std::string>{"/chosen/place"});
    EXPECT_EQ(run.extractedInto, std::vector<std::string>{"/chosen/place"});
}

TEST(InstallerFlow, CancelledBrowseKeepsWhatWasTyped) {
    InstallRun run;
    run.ui.script = {TypeAndBrowse{"/typed/place/"}, CancelDialog{}};
    run.Go(kJapanese);
    ASSERT_EQ(run.ui.folderRequests.size(), 1u);
    EXPECT_EQ(run.ui.folderRequests[0].title, "インストール先");
    EXPECT_EQ(run.ui.editAfterBrowse, std::vector<std::string>{"/typed/place/"});
}

TEST(InstallerFlow, OldShellPicksWithTheDirectoryPicker) {
    InstallRun run;
    run.ui.script = {TypeAndBrowse{"/typed/"}};
    run.ui.chooserAnswers = {"/picked/dir/"};
    run.Go(kOldEnglish);
    ASSERT_EQ(run.ui.folderRequests.size(), 1u);
    EXPECT_EQ(run.ui.folderRequests[0].start, "/typed/");
    EXPECT_EQ(run.ui.folderRequests[0].title, "Destination");
    EXPECT_TRUE(run.ui.folderRequests[0].directoryPicker);
    EXPECT_EQ(run.ui.editAfterBrowse, std::vector<std::string>{"/picked/dir/"});
}

TEST(FolderChoice, BrowserStartsWithoutATrailingSeparatorExceptAtARoot) {
    struct Case {
        const char* folder;
        const char* start;
    };
    for (const Case& c : {Case{"/a/b/", "/a/b"}, Case{"/a/b", "/a/b"}, Case{"/", "/"}, Case{"/a//", "/a//"},
                          Case{"a/", "a/"}, Case{"", ""}}) {
        EXPECT_EQ(BrowserStartFolder(c.folder), c.start) << c.folder;
    }
}

TEST(FolderChoice, PickedPathIsCutAfterItsLastSeparator) {
    EXPECT_EQ(PickedFolder("/a/b/"), "/a/b/");
    EXPECT_EQ(PickedFolder("/a/b/a"), "/a/b/");
    EXPECT_EQ(PickedFolder("plain"), "plain");
}

}  // namespace
}  // namespace installer
