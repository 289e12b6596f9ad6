#include "pelta/scores/high_score_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "pelta/scores/high_score_format.h"
#include "pelta/scores/high_score_insert.h"

namespace pelta {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class HighScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pelta_scores_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Path(const char* name = kHighScoreFileName) const { return dir_ / name; }

    static void Write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static HighScoreTable OneScore(std::int32_t score, const std::string& name) {
        HighScoreTable t{};
        InsertHighScore(t, 1, FinishedGame{.score = score});
        t[1].entries[0].name = name;
        return t;
    }
    // A directory cannot be read as a file; with every aside name taken it cannot be moved either.
    static void MakeUnmovableUnreadable(const fs::path& p) {
        fs::create_directory(p);
        Write(p / "inside", "keep me");
        for (int i = 1; i <= 99; ++i) {
            Write(p.string() + ".bad" + (i == 1 ? ""s : std::to_string(i)), "taken");
        }
    }
    std::size_t FilesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
};

TEST_F(HighScoreFileTest, MissingFileIsAnEmptyTableAndSaveCreatesIt) {
    HighScoreFile file(Path());
    EXPECT_EQ(file.Load(), HighScoreTable{});
    EXPECT_FALSE(file.keptAside());
    ASSERT_TRUE(file.Save(HighScoreTable{}));
    EXPECT_EQ(Read(Path()), "\x00\x00\x00\x00"s);
    EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
}

TEST_F(HighScoreFileTest, SavedTableLoadsBack) {
    const HighScoreTable t = OneScore(1234, "山田");
    ASSERT_TRUE(HighScoreFile(Path()).Save(t));
    EXPECT_EQ(HighScoreFile(Path()).Load(), t);
}

TEST_F(HighScoreFileTest, UnreadableFileIsKeptAsideAndTheGameStartsEmpty) {
    const std::string cases[] = {
        "\x01\x05" "ab"s,             // ends early
        "\x0B\x00\x00\x00"s,          // count 11
        "\x01\xFF\xFE\xFF\x00\x00"s,  // unknown length form
    };
    for (const std::string& bytes : cases) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        Write(Path(), bytes);
        HighScoreFile file(Path());
        EXPECT_EQ(file.Load(), HighScoreTable{});
        ASSERT_EQ(file.keptAside(), Path("pelta.dat.bad"));
        ASSERT_TRUE(file.Save(OneScore(10, "x")));
        EXPECT_EQ(Read(Path("pelta.dat.bad")), bytes);
        EXPECT_EQ(HighScoreFile(Path()).Load(), OneScore(10, "x"));
    }
}

TEST_F(HighScoreFileTest, AnEarlierSetAsideFileIsNotOverwritten) {
    Write(Path("pelta.dat.bad"), "first");
    Write(Path(), "second");
    HighScoreFile file(Path());
    file.Load();
    EXPECT_EQ(file.keptAside(), Path("pelta.dat.bad2"));
    EXPECT_EQ(Read(Path("pelta.dat.bad")), "first");
    EXPECT_EQ(Read(Path("pelta.dat.bad2")), "second");
}

TEST_F(HighScoreFileTest, SaveRefusesWhileAnUnreadableFileCouldNotBeKeptAside) {
    MakeUnmovableUnreadable(Path());
    HighScoreFile file(Path());
    EXPECT_EQ(file.Load(), HighScoreTable{});
    EXPECT_FALSE(file.keptAside());
    const files::WriteResult saved = file.Save(OneScore(10, "x"));
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.error.find("pelta.dat"), std::string::npos) << saved.error;
    EXPECT_EQ(Read(Path() / "inside"), "keep me");
}

TEST_F(HighScoreFileTest, MovedTableLoadsTheFileLeftBehindAndSavesOnlyToItsNewPlace) {
    const HighScoreTable shipped = OneScore(700, "old");
    ASSERT_TRUE(HighScoreFile(Path("shipped.dat")).Save(shipped));
    const std::string shippedBytes = Read(Path("shipped.dat"));

    HighScoreFile file(Path("shipped.dat"), Path());
    EXPECT_EQ(file.Load(), shipped);
    ASSERT_TRUE(file.Save(OneScore(800, "new")));
    EXPECT_EQ(Read(Path("shipped.dat")), shippedBytes);
    EXPECT_EQ(HighScoreFile(Path()).Load(), OneScore(800, "new"));
}

TEST_F(HighScoreFileTest, AnUnreadableFileLeftBehindDoesNotStopASaveElsewhere) {
    MakeUnmovableUnreadable(Path("shipped.dat"));
    HighScoreFile file(Path("shipped.dat"), Path());
    EXPECT_EQ(file.Load(), HighScoreTable{});
    EXPECT_TRUE(file.Save(OneScore(10, "x")));
    EXPECT_EQ(Read(Path("shipped.dat") / "inside"), "keep me");
}

// The old file must survive a save that fails part-way.
TEST_F(HighScoreFileTest, FailedSaveLeavesThePreviousFileIntact) {
    const HighScoreTable old = OneScore(500, "old");
    ASSERT_TRUE(HighScoreFile(Path()).Save(old));
    const std::string oldBytes = Read(Path());
    HighScoreTable big{};
    for (int i = 0; i < 10; ++i) {
        InsertHighScore(big, 0, FinishedGame{.score = 100 + i});
        big[0].entries[0].name = std::string(300, 'n');
    }

    SCOPED_TRACE("the disk fills up during the write");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = static_cast<bool>(HighScoreFile(Path()).Save(big));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(Read(Path()), oldBytes);
    EXPECT_EQ(FilesInDir(), 1u);
}

}  // namespace
}  // namespace pelta
