#include "installer/lzh/member_path.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/testing/temp_dir.h"

namespace lzh {
namespace {

TEST(MemberRelativePath, JoinsFolderAndNameInUtf8) {
    struct Case {
        const char* directory;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"", "a.txt", "a.txt"},
        {"sub\\", "in.txt", "sub/in.txt"},
        // Appended to the destination folder, leading separators add nothing.
        {"\\sub\\", "in.txt", "sub/in.txt"},
        {"", "\\x", "x"},
        {"\\\\", "x", "x"},
        {"", "/etc/x", "etc/x"},
        {"", "sub\\deeper\\in.txt", "sub/deeper/in.txt"},
        {"a\\\\b\\.\\", "c", "a/b/c"},
        // 0x5C as the second byte of a double-byte character is not a separator.
        {"", "\x83\x5C\x95\x5C.txt", "ソ表.txt"},
        {"\x95\x5C\\", "\x83\x5C.txt", "表/ソ.txt"},
        {"", "\xB1\xB2\xB3", "ｱｲｳ"},
    };
    for (const Case& c : cases) {
        std::optional<std::filesystem::path> path = MemberRelativePath(c.directory, c.name);
        ASSERT_TRUE(path) << c.name;
        EXPECT_EQ(path->string(), c.expected);
    }
}

TEST(MemberRelativePath, RefusesPathsLeavingTheDestination) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "..\\..\\x"},  {"", "C:\\x"},      {"", "\\..\\x"},  {"..\\", "x"},
        {"a\\..\\..\\", "x"}, {"", "a\\..\\x"},
        {"", "sub\\"},      {"", ".."},         {"", "\x83"},        // lone lead byte: not Shift-JIS
    };
    for (const auto& [directory, name] : cases) {
        EXPECT_FALSE(MemberRelativePath(directory, name)) << directory << name;
    }
}

TEST(MakePathDirectories, CreatesEveryMissingFolder) {
    test_support::TempDir dir;
    std::filesystem::path file = dir.path() / "a" / "b" / "c.txt";
    EXPECT_EQ(MakePathDirectories(file), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "a" / "b"));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(MakePathDirectories(file), 0);  // already there

    std::ofstream(dir.path() / "blocker") << "a file";
    EXPECT_EQ(MakePathDirectories(dir.path() / "blocker" / "x.txt"), -1);
}

}  // namespace
}  // namespace lzh
