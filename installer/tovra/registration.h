#pragma once
// Registers the utility for the current user as the program that opens .lzh files, and
// optionally puts a shortcut to it on the desktop.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "installer/tovra/xdg_dirs.h"

namespace tovra {

// Runs a helper program by name when it is installed, waiting for it; nothing otherwise.
using ToolRunner = std::function<void(const std::string& program, const std::vector<std::string>& arguments)>;

// Runs from PATH through no shell; a missing or failing tool is ignored, as the desktop
// rebuilds its caches on its own sooner or later.
void RunToolIfPresent(const std::string& program, const std::vector<std::string>& arguments);

struct RegistrationResult {
    bool ok = false;
    std::filesystem::path failedPath;  // the file that could not be written
    std::filesystem::path shortcut;    // where the desktop shortcut went, if one was asked for
};

RegistrationResult RegisterForUser(const XdgDirs& dirs, const std::string& programPath, bool desktopShortcut,
                                   const ToolRunner& runTool);

}  // namespace tovra
