#include "tools/command-line/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tool {
namespace {

[[noreturn]] void Usage(const char* program, const std::string& usage, std::FILE* to, int exitCode) {
    std::fprintf(to, "usage: %s %s\n", program, usage.c_str());
    std::exit(exitCode);
}

}  // namespace

std::vector<std::string> PositionalArguments(int argc, char** argv, const std::string& usage, std::size_t least,
                                             std::size_t most) {
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            Usage(argv[0], usage, stdout, 0);
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            std::fprintf(stderr, "%s: unknown option %s\n", argv[0], argv[i]);
            Usage(argv[0], usage, stderr, 2);
        } else {
            positional.emplace_back(arg);
        }
    }
    if (positional.size() < least || positional.size() > most) Usage(argv[0], usage, stderr, 2);
    return positional;
}

}  // namespace tool
