#include "common/files/replace_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using files::ReplaceFile;
using files::ReplaceSteps;
using files::WriteResult;

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("replace_file_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    static void Write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    static mode_t Mode(const fs::path& p) {
        struct stat st {};
        EXPECT_EQ(::stat(p.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

    fs::path dir_;
};

TEST_F(ReplaceFileTest, CreatesOrReplacesTheWholeFileAndLeavesNothingElse) {
    const fs::path path = dir_ / "a.dat";
    EXPECT_EQ(ReplaceFile(path, "first, longer contents").how, WriteResult::How::Replaced);
    EXPECT_EQ(ReplaceFile(path, "second").how, WriteResult::How::Replaced);
    EXPECT_EQ(Read(path), "second");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.dat"});
}

TEST_F(ReplaceFileTest, KeepsThePermissionBitsOfTheFileItReplaces) {
    const fs::path path = dir_ / "a.dat";
    for (mode_t mode : {0600, 0640, 0644, 0444}) {
        Write(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(ReplaceFile(path, "new"));
        EXPECT_EQ(Mode(path), mode) << std::oct << mode;
        EXPECT_EQ(Read(path), "new");
    }
}

TEST_F(ReplaceFileTest, NewFileGetsTheUsualModeNotTheTemporaryFilesPrivateOne) {
    for (mode_t mask : {022, 027, 002}) {
        const fs::path path = dir_ / ("a" + std::to_string(mask) + ".dat");
        const mode_t saved = ::umask(mask);
        const bool written = static_cast<bool>(ReplaceFile(path, "new"));
        ::umask(saved);
        ASSERT_TRUE(written);
        EXPECT_EQ(Mode(path), 0666u & ~mask) << "umask " << std::oct << mask;
    }
}

TEST_F(ReplaceFileTest, WritesThroughSymbolicLinks) {
    fs::create_directory(dir_ / "real");
    Write(dir_ / "real" / "a.dat", "old");
    ASSERT_EQ(::chmod((dir_ / "real" / "a.dat").c_str(), 0640), 0);
    struct Case {
        const char* what;
        fs::path link;
        fs::path target;
    } cases[] = {
        {"relative link", dir_ / "a.dat", "real/a.dat"},
        {"absolute link", dir_ / "abs.dat", dir_ / "real" / "a.dat"},
        {"link to a link", dir_ / "chain.dat", "a.dat"},
    };
    int round = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::create_symlink(c.target, c.link);
        const std::string contents = "new " + std::to_string(++round);
        ASSERT_TRUE(ReplaceFile(c.link, contents));
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(c.link)));
        EXPECT_EQ(Read(dir_ / "real" / "a.dat"), contents);
        EXPECT_EQ(Mode(dir_ / "real" / "a.dat"), 0640u);
    }
}

// Two programs saving the same file at the same moment: whichever wins, the file is one
// complete version, never one writer's start with the other's tail.
TEST_F(ReplaceFileTest, ConcurrentWritersNeverMixTheirContents) {
    const fs::path path = dir_ / "a.dat";
    const std::string longer(64 * 1024, 'L');
    const std::string shorter(1000, 's');
    for (int trial = 0; trial < 30; ++trial) {
        std::thread a([&] { EXPECT_TRUE(ReplaceFile(path, longer)); });
        std::thread b([&] { EXPECT_TRUE(ReplaceFile(path, shorter)); });
        a.join();
        b.join();
        const std::string got = Read(path);
        ASSERT_TRUE(got == longer || got == shorter) << "trial " << trial << ": " << got.size() << " bytes";
    }
    EXPECT_EQ(Names(), std::vector<std::string>{"a.dat"});
}

// A folder that refuses new files or renames, with the file itself writable: the file is
// written in place. Root writes any folder, so the refusals are also injected.
TEST_F(ReplaceFileTest, FolderThatRefusesFallsBackToWritingInPlace) {
    const fs::path path = dir_ / "a.dat";
    const auto refuse = [](int error) {
        return [error](auto&&...) {
            errno = error;
            return -1;
        };
    };
    const ReplaceSteps real = files::SystemReplaceSteps();
    struct Case {
        const char* what;
        ReplaceSteps steps;
        bool fileExists;
        WriteResult::How how;
    } cases[] = {
        {"no new file allowed", {refuse(EACCES), real.rename}, true, WriteResult::How::WrittenInPlace},
        {"no rename allowed", {real.createTemporary, refuse(EPERM)}, true, WriteResult::How::WrittenInPlace},
        {"read-only file system", {refuse(EROFS), real.rename}, true, WriteResult::How::WrittenInPlace},
        {"no file to write in place", {refuse(EACCES), real.rename}, false, WriteResult::How::Failed},
        // Out of space is not the folder's refusal: writing in place would leave a torn file.
        {"disk full", {refuse(ENOSPC), real.rename}, true, WriteResult::How::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(path);
        if (c.fileExists) Write(path, "old contents, longer than the new");
        const WriteResult result = ReplaceFile(path, "new", c.steps);
        EXPECT_EQ(result.how, c.how);
        if (c.how == WriteResult::How::Failed) {
            EXPECT_NE(result.error.find("a.dat"), std::string::npos) << result.error;
            EXPECT_EQ(Read(path), c.fileExists ? "old contents, longer than the new" : "");
        } else {
            EXPECT_EQ(Read(path), "new");
        }
        EXPECT_EQ(Names().size(), c.fileExists ? 1u : 0u);
    }
}

TEST_F(ReplaceFileTest, ReadOnlyFolderWithAWritableFile) {
    const fs::path path = dir_ / "a.dat";
    Write(path, "old");
    ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
    if (::access(dir_.c_str(), W_OK) == 0) GTEST_SKIP() << "this user writes read-only folders (root)";
    EXPECT_EQ(ReplaceFile(path, "new").how, WriteResult::How::WrittenInPlace);
    EXPECT_EQ(Read(path), "new");

    SCOPED_TRACE("and with the file read-only too, the failure is reported");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const WriteResult result = ReplaceFile(path, "newer");
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("a.dat"), std::string::npos) << result.error;
    EXPECT_EQ(Read(path), "new");
}

}  // namespace
