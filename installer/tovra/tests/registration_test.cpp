#include "installer/tovra/registration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/testing/temp_dir.h"
#include "installer/tovra/mime_database.h"

namespace tovra {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A user with their own home and XDG folders, and a system data folder of its own.
struct User {
    test_support::TempDir temp;
    XdgDirs dirs;
    std::vector<std::string> toolsRun;

    User() {
        dirs.home = temp.path() / "home";
        dirs.dataHome = dirs.home / ".local/share";
        dirs.configHome = dirs.home / ".config";
        dirs.dataDirs = {temp.path() / "usr/share"};
        fs::create_directories(dirs.home);
    }

    RegistrationResult Register(bool shortcut, const std::string& program = "/opt/My Tools/tovra") {
        return RegisterForUser(dirs, program, shortcut,
                               [this](const std::string& tool, const std::vector<std::string>& args) {
                                   toolsRun.push_back(tool + " " + args.at(0));
                               });
    }
};

TEST(Registration, MakesTovraTheProgramForLzhFiles) {
    User user;
    Write(user.dirs.configHome / "mimeapps.list", "[Default Applications]\ntext/plain=gedit.desktop;\n");
    RegistrationResult result = user.Register(false);
    ASSERT_TRUE(result.ok) << result.failedPath;

    std::string entry = Read(user.dirs.dataHome / "applications/tovra.desktop");
    EXPECT_TRUE(Contains(entry, "Exec=\"/opt/My Tools/tovra\" %f\n"));
    EXPECT_TRUE(Contains(entry, "MimeType=application/x-lzh-compressed;"));
    std::string mimeapps = Read(user.dirs.configHome / "mimeapps.list");
    EXPECT_TRUE(Contains(mimeapps, "text/plain=gedit.desktop;\n"));
    EXPECT_TRUE(Contains(mimeapps, "application/x-lzh-compressed=tovra.desktop;\n"));
    EXPECT_TRUE(Contains(mimeapps, "application/x-lha=tovra.desktop;\n"));
    EXPECT_TRUE(
        Contains(user.toolsRun.back(), "update-desktop-database " + (user.dirs.dataHome / "applications").string()));
    EXPECT_TRUE(result.shortcut.empty());
    EXPECT_FALSE(fs::exists(user.dirs.home / "Desktop"));
}

TEST(Registration, DefinesTheLzhTypeOnlyWhereTheDatabaseLacksIt) {
    struct Case {
        const char* file;
        const char* text;
        bool defined;
    };
    for (const Case& c : {Case{nullptr, nullptr, true}, Case{"mime/application/x-lzh-compressed.xml", "<x/>", false},
                          Case{"mime/aliases",
                               "application/x-foo application/x-bar\n"
                               "application/x-lzh-compressed application/x-lha\n",
                               false}}) {
        User user;
        if (c.file) Write(user.dirs.dataDirs[0] / c.file, c.text);
        ASSERT_TRUE(user.Register(false).ok);
        const fs::path package = user.dirs.dataHome / "mime/packages/tovra-lzh.xml";
        EXPECT_EQ(fs::exists(package), c.defined) << (c.file ? c.file : "empty database");
        bool updated = !user.toolsRun.empty() && user.toolsRun.front().starts_with("update-mime-database");
        EXPECT_EQ(updated, c.defined);
        if (c.defined) {
            EXPECT_TRUE(Contains(Read(package), "<glob pattern=\"*.lzh\"/>"));
        }
    }
}

TEST(Registration, ShortcutGoesOnTheDesktopTheUserNamed) {
    struct Case {
        const char* userDirs;
        const char* desktop;  // under home
    };
    for (const Case& c :
         {Case{nullptr, "Desktop"}, Case{"# comment\nXDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n", "デスクトップ"}}) {
        User user;
        if (c.userDirs) Write(user.dirs.configHome / "user-dirs.dirs", c.userDirs);
        RegistrationResult result = user.Register(true);
        ASSERT_TRUE(result.ok) << result.failedPath;
        const fs::path shortcut = user.dirs.home / c.desktop / "Tovra.desktop";
        EXPECT_EQ(result.shortcut, shortcut);
        EXPECT_TRUE(Contains(Read(shortcut), "Exec=\"/opt/My Tools/tovra\" %f\n"));
        EXPECT_NE(fs::status(shortcut).permissions() & fs::perms::owner_exec, fs::perms::none);
    }
}

TEST(Registration, UnwritableFileIsNamedAndEarlierContentSurvives) {
    User user;
    Write(user.dirs.configHome / "mimeapps.list", "[Default Applications]\ntext/plain=gedit.desktop;\n");
    // A folder standing where the file should be cannot be replaced by it.
    Write(user.dirs.dataHome / "applications/tovra.desktop/kept", "a folder with a file");
    RegistrationResult result = user.Register(true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedPath, user.dirs.dataHome / "applications/tovra.desktop");
    EXPECT_EQ(Read(user.dirs.configHome / "mimeapps.list"), "[Default Applications]\ntext/plain=gedit.desktop;\n");

    EXPECT_FALSE(user.Register(false, "/bad\nname/tovra").ok);
}

TEST(XdgDirs, EnvironmentWithTheBaseDirectoryDefaults) {
    setenv("HOME", "/home/t", 1);
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    setenv("XDG_DATA_DIRS", "/a:rel:/b", 1);
    XdgDirs dirs = XdgDirs::FromProcess();
    EXPECT_EQ(dirs.dataHome, "/home/t/.local/share");
    EXPECT_EQ(dirs.configHome, "/cfg");
    EXPECT_EQ(dirs.dataDirs, (std::vector<fs::path>{"/a", "/b"}));
    unsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(XdgDirs::FromProcess().dataDirs, (std::vector<fs::path>{"/usr/local/share", "/usr/share"}));
}

}  // namespace
}  // namespace tovra
