#include "launcher/core/startup_files.h"

#include <gtest/gtest.h>

#include "launcher/core/read_file.h"
#include "common/testing/temp_dir.h"

namespace launcher {
namespace {

TEST(CopyStartupFiles, CopiesOnlyWhatTheTargetLacks) {
    ::test_support::TempDir dir;
    const auto source = dir.path() / "DLL";
    const auto target = dir.path() / "user" / "lib";
    dir.Write("DLL/a.so", "new a");
    dir.Write("DLL/b.so", "new b");
    dir.Write("DLL/.hidden", "h");
    dir.Write("DLL/sub/c.so", "c");
    dir.Write("user/lib/a.so", "old a");

    EXPECT_EQ(CopyStartupFiles(source, target), std::vector<std::string>{"b.so"});
    EXPECT_EQ(ReadWholeFile(target / "a.so"), "old a");
    EXPECT_EQ(ReadWholeFile(target / "b.so"), "new b");
    EXPECT_FALSE(std::filesystem::exists(target / ".hidden"));
    EXPECT_FALSE(std::filesystem::exists(target / "sub"));

    EXPECT_EQ(CopyStartupFiles(source, target), std::vector<std::string>{});
}

TEST(CopyStartupFiles, MakesTheTargetFolderOnlyWhenThereIsSomethingToCopy) {
    ::test_support::TempDir dir;
    EXPECT_EQ(CopyStartupFiles(dir.path() / "DLL", dir.path() / "t1"), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "t1"));

    dir.Write("DLL/x", "x");
    EXPECT_EQ(CopyStartupFiles(dir.path() / "DLL", dir.path() / "t2" / "deep"), std::vector<std::string>{"x"});
    EXPECT_EQ(ReadWholeFile(dir.path() / "t2" / "deep" / "x"), "x");
}

TEST(CopyStartupFiles, LeavesADanglingLinkInTheTargetAlone) {
    ::test_support::TempDir dir;
    dir.Write("DLL/x", "x");
    std::filesystem::create_directories(dir.path() / "t");
    std::filesystem::create_symlink(dir.path() / "gone", dir.path() / "t" / "x");
    EXPECT_EQ(CopyStartupFiles(dir.path() / "DLL", dir.path() / "t"), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));
}

}  // namespace
}  // namespace launcher
