#pragma once
// Support files that the collection carries in its "DLL" folder and that must lie in a
// per-user folder before the games run. An existing file there is never replaced: another
// program may rely on its own version.

#include <filesystem>
#include <string>
#include <vector>

namespace launcher {

// Copies each ordinary, non-hidden file of `sourceDir` that `targetDir` lacks (the target
// folder is made when needed), in name order. A missing source copies nothing; a copy that
// fails is skipped. Returns the names copied.
std::vector<std::string> CopyStartupFiles(const std::filesystem::path& sourceDir, const std::filesystem::path& targetDir);

}  // namespace launcher
