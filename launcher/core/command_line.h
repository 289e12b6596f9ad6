#pragma once
// A game's command line, split into words as a POSIX shell splits a simple command: blanks
// separate words, single quotes keep everything, double quotes keep everything but
// backslash escapes of " \ $ `, and a backslash outside quotes keeps the next character.
// Nothing is expanded: no variables, no wildcards, no command substitution.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitCommandLine(std::string_view line);

}  // namespace launcher
