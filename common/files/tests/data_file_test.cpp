#include "common/files/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace files {
namespace {

namespace fs = std::filesystem;

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("data_file_test-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    // The real folder maker; a current folder that is writable or not, and these variables.
    System Fake(bool writable, std::map<std::string, std::string> env) {
        System system = RealSystem();
        system.environment = [env](const char* name) -> std::optional<std::string> {
            auto it = env.find(name);
            if (it == env.end()) return std::nullopt;
            return it->second;
        };
        system.canCreateFilesIn = [writable](const fs::path&) { return writable; };
        return system;
    }

    fs::path root_;
    std::ostringstream notes_;
};

TEST_F(DataFileTest, WritableFolderKeepsTheFileWhereItIsAndSaysNothing) {
    DataFile file = LocateDataFile("pelta", "pelta.dat", notes_, Fake(true, {{"HOME", root_}}));
    EXPECT_EQ(file.load, "pelta.dat");
    EXPECT_EQ(file.save, "pelta.dat");
    EXPECT_EQ(notes_.str(), "");
    EXPECT_FALSE(fs::exists(root_ / ".local"));
}

TEST_F(DataFileTest, ReadOnlyFolderSavesInTheDataFolderOfTheProgram) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> env;
        fs::path folder;
    };
    const Case cases[] = {
        {"XDG_DATA_HOME", {{"XDG_DATA_HOME", (root_ / "data").string()}, {"HOME", "/nowhere"}},
         root_ / "data" / "pelta"},
        {"HOME", {{"HOME", root_.string()}}, root_ / ".local/share/pelta"},
        {"relative XDG_DATA_HOME ignored", {{"XDG_DATA_HOME", "data"}, {"HOME", root_.string()}},
         root_ / ".local/share/pelta"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ostringstream notes;
        DataFile file = LocateDataFile("pelta", "pelta.dat", notes, Fake(false, c.env));
        EXPECT_EQ(file.load, "pelta.dat") << "nothing saved there yet: the shipped file loads";
        EXPECT_EQ(file.save, c.folder / "pelta.dat");
        EXPECT_TRUE(fs::is_directory(c.folder));
        EXPECT_EQ(fs::status(c.folder).permissions() & fs::perms::all, fs::perms::owner_all);
        const std::string told = notes.str();
        EXPECT_NE(told.find(c.folder.string()), std::string::npos) << told;
        EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    }
}

TEST_F(DataFileTest, ReadOnlyFolderLoadsAnEarlierSaveFromTheDataFolder) {
    fs::create_directories(root_ / "pelta");
    std::ofstream(root_ / "pelta" / "pelta.dat") << "saved";
    DataFile file = LocateDataFile("pelta", "pelta.dat", notes_, Fake(false, {{"XDG_DATA_HOME", root_}}));
    EXPECT_EQ(file.load, root_ / "pelta" / "pelta.dat");
    EXPECT_EQ(file.save, root_ / "pelta" / "pelta.dat");
}

TEST_F(DataFileTest, WithNowhereToGoTheFileStaysAndTheReasonIsTold) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> env;
        const char* told;
    };
    fs::path blocked = root_ / "file";
    std::ofstream(blocked) << "a file where the data folder would go";
    const Case cases[] = {
        {"no home", {}, "no home folder"},
        {"relative home", {{"HOME", "home"}}, "no home folder"},
        {"data folder cannot be made", {{"XDG_DATA_HOME", blocked.string()}}, "be made"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ostringstream notes;
        DataFile file = LocateDataFile("minigolf", "rank.dat", notes, Fake(false, c.env));
        EXPECT_EQ(file.load, "rank.dat");
        EXPECT_EQ(file.save, "rank.dat");
        EXPECT_NE(notes.str().find(c.told), std::string::npos) << notes.str();
    }
}

TEST_F(DataFileTest, TheRealProbeCreatesNothingAndRefusesAMissingFolder) {
    System system = RealSystem();
    EXPECT_TRUE(system.canCreateFilesIn(root_));
    EXPECT_TRUE(fs::is_empty(root_));
    EXPECT_FALSE(system.canCreateFilesIn(root_ / "missing"));
}

}  // namespace
}  // namespace files
