#pragma once
// The command line of a developer tool or benchmark that takes only positional arguments.

#include <cstddef>
#include <string>
#include <vector>

namespace tool {

// Returns the positional arguments. "--help" or "-h" prints `usage` to standard output and
// exits with 0; an unknown option (anything else starting with "-", before a "--") or fewer
// than `least` or more than `most` arguments prints it to standard error and exits with 2.
// `usage` is the text after "usage: <program> ", the lines that follow explain it.
std::vector<std::string> PositionalArguments(int argc, char** argv, const std::string& usage, std::size_t least,
                                             std::size_t most);

}  // namespace tool
