#include "minigolf/shell/folder_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace minigolf {
namespace {

namespace fs = std::filesystem;

class FolderFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("minigolf_files_" + std::to_string(::getpid()));
        fs::create_directories(folder / "data");
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::vector<std::uint8_t> Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
};

// An installed collection's folder is read-only: the ranking is then read from the shipped
// file and saved to the user's data folder, while the courses still come from the folder.
TEST_F(FolderFilesTest, TheRewrittenFileGoesWhereItWasLocated) {
    const fs::path shipped = folder / "rank.dat";
    const fs::path saved = folder / "data" / "rank.dat";
    std::ofstream(shipped, std::ios::binary) << "old";
    std::ofstream(folder / "cource01.dat", std::ios::binary) << "hole";
    FolderFiles gameFiles("rank.dat", files::DataFile{shipped, saved});

    EXPECT_EQ(gameFiles.Read("rank.dat"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    const std::vector<std::uint8_t> table = {0x1A, 0x0A, 0, 26};
    ASSERT_TRUE(gameFiles.Replace("rank.dat", table));
    EXPECT_EQ(Contents(saved), table);
    EXPECT_EQ(Contents(shipped), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(gameFiles.Read((folder / "cource01.dat").string()), (std::vector<std::uint8_t>{'h', 'o', 'l', 'e'}));
}

TEST_F(FolderFilesTest, AMissingFileReadsAsNothingAndAFailedSaveSaysSo) {
    FolderFiles gameFiles("rank.dat", files::DataFile{folder / "none.dat", folder / "no folder" / "rank.dat"});
    EXPECT_EQ(gameFiles.Read("rank.dat"), std::nullopt);
    EXPECT_EQ(gameFiles.Read((folder / "cource09.dat").string()), std::nullopt);
    const std::vector<std::uint8_t> table(40, 0);
    EXPECT_FALSE(gameFiles.Replace("rank.dat", table));
}

}  // namespace
}  // namespace minigolf
