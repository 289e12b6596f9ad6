#include "installer/tovra/command_line.h"

#include <gtest/gtest.h>

namespace tovra {
namespace {

TEST(CommandLine, ModesAndTheirArguments) {
    using Args = std::vector<std::string>;
    EXPECT_TRUE(std::holds_alternative<ChooseArchive>(ParseCommandLine({})));

    ExtractFile plain = std::get<ExtractFile>(ParseCommandLine({"/d/a b.lzh"}));
    EXPECT_EQ(plain.archive, "/d/a b.lzh");
    EXPECT_EQ(plain.folder, "");
    ExtractFile into = std::get<ExtractFile>(ParseCommandLine({"a.lzh", "out dir"}));
    EXPECT_EQ(into.folder, "out dir");

    struct Case {
        Args arguments;
        bool shortcut;
    };
    for (const Case& c : {Case{{"-s-"}, false}, Case{{"-s-", "-l"}, true}, Case{{"-l", "-s-"}, true}}) {
        Command command = ParseCommandLine(c.arguments);
        ASSERT_TRUE(std::holds_alternative<Register>(command)) << c.arguments.size();
        EXPECT_EQ(std::get<Register>(command).desktopShortcut, c.shortcut);
    }

    for (const Args& bad : {Args{"-l"}, Args{"-s-", "-x"}, Args{"-s-", "a.lzh"}, Args{"-s-", "-s-"},
                            Args{"-s-", "-l", "-l"}, Args{"a", "b", "c"}, Args{"--help"}}) {
        EXPECT_TRUE(std::holds_alternative<Usage>(ParseCommandLine(bad))) << bad[0] << " " << bad.size();
    }
}

}  // namespace
}  // namespace tovra
