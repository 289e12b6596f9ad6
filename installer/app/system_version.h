#pragma once
// The shell version the installer behaves as: a current one, unless TOVRAINS_SHELL_VERSION
// ("major.minor") asks for another, so the old shell's path can be seen in use.

#include <string_view>

namespace installer {

constexpr int kCurrentShellVersion = 10 * 256;

// major × 256 + minor of "major.minor"; the current version for anything else.
int ParseShellVersion(std::string_view text);
int ShellVersionFromEnvironment();

}  // namespace installer
