#include "launcher/app/launcher_services.h"

#include <QTest>
#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "launcher/core/read_file.h"

namespace launcher {
namespace {

TEST(DesktopServices, StartTheProgramInItsFolderWithItsArguments) {
    ::test_support::TempDir dir;
    const auto program = dir.Write("game folder/report", "#!/bin/sh\npwd > report.txt\necho \"$1\" >> report.txt\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const auto plan = PlanLaunch(dir.path(), "game folder", "report 'two words'", "");
    ASSERT_TRUE(std::holds_alternative<LaunchPlan>(plan));
    ASSERT_TRUE(DesktopServices({}).startProcess(std::get<LaunchPlan>(plan)));
    const auto report = dir.path() / "game folder" / "report.txt";
    // The started program runs on its own; its report appears when it has run.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReadWholeFile(report).value_or("").ends_with("words\n"); }, 10000));
    const std::string text = ReadWholeFile(report).value_or("");
    EXPECT_EQ(text, (dir.path() / "game folder").string() + "\ntwo words\n");
}

}  // namespace
}  // namespace launcher
