#include "launcher/core/command_line.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, SplitsAsAShellWouldWithoutExpanding) {
    struct Case {
        std::string_view line;
        std::optional<Words> words;
    };
    const Case cases[] = {
        {"pelta", Words{"pelta"}},
        {"  ./minigolf   -x\t y ", Words{"./minigolf", "-x", "y"}},
        {"'my game' arg", Words{"my game", "arg"}},
        {"\"my game\" \"a \\\"b\\\" \\\\ \\n\"", Words{"my game", "a \"b\" \\ \\n"}},
        {"my\\ game", Words{"my game"}},
        {"a'b'\"c\"d", Words{"abcd"}},
        {"''", Words{""}},
        {"$HOME *.txt `ls` ~", Words{"$HOME", "*.txt", "`ls`", "~"}},
        {"ゲーム ﾃｽﾄ", Words{"ゲーム", "ﾃｽﾄ"}},
        {"trailing\\", Words{"trailing\\"}},
        {"", Words{}},
        {"   ", Words{}},
        {"'open", std::nullopt},
        {"\"open", std::nullopt},
        {"\"open\\\"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SplitCommandLine(c.line), c.words);
    }
}

}  // namespace
}  // namespace launcher
