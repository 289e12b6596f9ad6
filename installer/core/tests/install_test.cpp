// The flow over the real embedded archive and the real archive reader.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "installer/archive/tovra_archive.h"
#include "installer/core/installer_flow.h"
#include "installer/lzh/extract.h"
#include "scripted_ui.h"
#include "common/testing/temp_dir.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using test_support::SavedRoot;
using test_support::ScriptedUi;
using test_support::TempDir;
using test_support::TypeAndStart;

constexpr SystemInfo kEnglish{10 * 256, false};

struct RealInstall {
    ScriptedUi ui;
    SavedRoot saved;

    void Go() {
        InstallerContext context{kEnglish, saved, {"", "/nonexistent-home"}, [](const fs::path& destination) {
                                     return lzh::ExtractArchive(TovraArchive(), destination);
                                 }};
        RunInstaller(ui, context);
    }
};

bool IsRunnable(const fs::path& path) { return ::access(path.c_str(), X_OK) == 0; }

TEST(Install, SavedRootWithoutSeparatorIsExtractedIntoAndItsUtilityStarted) {
    TempDir temp;
    const std::string root = (temp.path() / "Tools/Tovra").string();
    RealInstall install;
    install.saved.root = root;
    install.ui.script = {TypeAndStart{root, true}};
    install.Go();

    ASSERT_EQ(install.ui.messages.size(), 1u);
    EXPECT_EQ(install.ui.messages[0].caption, "Install finished");
    for (const char* member : {"tovra", "readme.txt", "readme_ja.txt"}) {
        EXPECT_TRUE(fs::is_regular_file(temp.path() / "Tools/Tovra" / member)) << member;
    }
    EXPECT_TRUE(IsRunnable(temp.path() / "Tools/Tovra/tovra"));
    ASSERT_EQ(install.ui.starts.size(), 1u);
    EXPECT_EQ(install.ui.starts[0].program, root + "/tovra");
    EXPECT_EQ(install.ui.starts[0].arguments, (std::vector<std::string>{"-s-", "-l"}));
}

TEST(Install, FolderWithSpacesInstallsAndNamesTheUtilityWhole) {
    TempDir temp;
    const std::string folder = (temp.path() / "My Programs/Tovra \"new\"/").string();
    RealInstall install;
    install.ui.script = {TypeAndStart{folder, false}};
    install.Go();

    ASSERT_EQ(install.ui.starts.size(), 1u);
    EXPECT_EQ(install.ui.starts[0].program, folder + "tovra");
    EXPECT_EQ(install.ui.starts[0].arguments, std::vector<std::string>{"-s-"});
    EXPECT_TRUE(IsRunnable(install.ui.starts[0].program));
}

TEST(Install, DestinationThatCannotBeWrittenShowsTheWriteError) {
    TempDir temp;
    std::ofstream(temp.path() / "a file") << "in the way";
    fs::create_directory(temp.path() / "read-only");
    fs::permissions(temp.path() / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
    std::vector<fs::path> destinations{temp.path() / "a file/Tovra"};
    // The superuser writes into read-only folders regardless.
    if (::geteuid() != 0) destinations.push_back(temp.path() / "read-only/Tovra");

    for (const fs::path& destination : destinations) {
        RealInstall install;
        install.ui.script = {TypeAndStart{destination.string(), true}};
        install.Go();
        ASSERT_EQ(install.ui.messages.size(), 1u) << destination;
        EXPECT_EQ(install.ui.messages[0].text, "Write error\nCheck 'destination folder'.");
        EXPECT_EQ(install.ui.messages[0].caption, "CAUTION!");
        EXPECT_TRUE(install.ui.starts.empty());
    }
}

}  // namespace
}  // namespace installer
