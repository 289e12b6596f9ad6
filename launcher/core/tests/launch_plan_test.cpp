#include "launcher/core/launch_plan.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace launcher {
namespace {

namespace fs = std::filesystem;

class LaunchPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeProgram("Pelta/pelta");
        MakeProgram("bin/tool");
        MakeProgram("bin/pelta");  // same name on the search path: the game's folder wins
        MakeProgram("setup");
        dir_.Write("Pelta/readme.txt", "not executable");
    }

    void MakeProgram(const fs::path& relative) const {
        fs::permissions(dir_.Write(relative, "#!/bin/sh\n"), fs::perms::owner_all);
    }

    std::variant<LaunchPlan, LaunchFailure> Plan(std::string_view directory, std::string_view command) const {
        return PlanLaunch(dir_.path(), directory, command, (dir_.path() / "bin").string() + "::/nonexistent");
    }

    ::test_support::TempDir dir_;
};

TEST_F(LaunchPlanTest, FindsTheProgramInTheGamesFolderFirst) {
    struct Case {
        std::string_view directory;
        std::string_view command;
        fs::path program;
        std::vector<std::string> arguments;
        fs::path workingDirectory;
    };
    const Case cases[] = {
        {"pelta", "pelta", "Pelta/pelta", {}, "Pelta"},
        {"PELTA", "PELTA -x 'a b'", "Pelta/pelta", {"-x", "a b"}, "Pelta"},
        {"pelta", "./pelta", "Pelta/pelta", {}, "Pelta"},
        {"pelta", "tool arg", "bin/tool", {"arg"}, "Pelta"},
        {"", "setup", "setup", {}, ""},
        {".", "./setup", "setup", {}, "."},
        {"pelta\\", "../setup", "Pelta/../setup", {}, "Pelta"},
        {"", "pelta", "bin/pelta", {}, ""},  // a folder of that name is no program
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const auto result = Plan(c.directory, c.command);
        ASSERT_TRUE(std::holds_alternative<LaunchPlan>(result));
        const LaunchPlan& plan = std::get<LaunchPlan>(result);
        EXPECT_EQ(fs::weakly_canonical(plan.program), fs::weakly_canonical(dir_.path() / c.program));
        EXPECT_EQ(plan.arguments, c.arguments);
        EXPECT_EQ(fs::weakly_canonical(plan.workingDirectory), fs::weakly_canonical(dir_.path() / c.workingDirectory));
    }
}

TEST_F(LaunchPlanTest, SaysWhyAProgramCannotStart) {
    struct Case {
        std::string_view directory;
        std::string_view command;
        LaunchError error;
        std::string_view subject;
    };
    const Case cases[] = {
        {"nowhere", "pelta", LaunchError::FolderMissing, "nowhere"},
        {"pelta\\readme.txt", "pelta", LaunchError::FolderMissing, "pelta\\readme.txt"},
        {"pelta", "", LaunchError::CommandMalformed, ""},
        {"pelta", "'pelta", LaunchError::CommandMalformed, "'pelta"},
        {"pelta", "golf", LaunchError::ProgramMissing, "golf"},
        {"pelta", "./tool", LaunchError::ProgramMissing, "./tool"},  // with a slash: never the search path
        {"pelta", "readme.txt", LaunchError::ProgramForbidden, "readme.txt"},
        {"", "./pelta", LaunchError::ProgramForbidden, "./pelta"},  // the folder, not a program
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const auto result = Plan(c.directory, c.command);
        ASSERT_TRUE(std::holds_alternative<LaunchFailure>(result));
        EXPECT_EQ(std::get<LaunchFailure>(result).error, c.error);
        EXPECT_EQ(std::get<LaunchFailure>(result).subject, c.subject);
    }
}

TEST(LaunchFailureText, IsJapaneseWithTheSubjectBelow) {
    EXPECT_EQ(LaunchFailureText({LaunchError::ProgramMissing, "golf"}), "指定されたファイルが見つかりません。\ngolf");
    EXPECT_EQ(LaunchFailureText({LaunchError::FolderMissing, "x"}), "指定されたパスが見つかりません。\nx");
    EXPECT_EQ(LaunchFailureText({LaunchError::ProgramForbidden, "x"}), "アクセスが拒否されました。\nx");
    EXPECT_EQ(LaunchFailureText({LaunchError::CommandMalformed, "x"}), "パラメーターが間違っています。\nx");
}

}  // namespace
}  // namespace launcher
