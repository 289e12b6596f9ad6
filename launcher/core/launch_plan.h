#pragma once
// What starting a game means here: the entry's folder becomes the started program's current
// folder and its command line is split into a program and arguments. Everything that can be
// known to fail is found before anything is started, so the user gets the reason.

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace launcher {

struct LaunchPlan {
    std::filesystem::path program;  // absolute when found in the folder or on the search path
    std::vector<std::string> arguments;
    std::filesystem::path workingDirectory;
};

enum class LaunchError {
    FolderMissing,      // the entry's folder does not exist
    CommandMalformed,   // empty, or a quote left open
    ProgramMissing,     // neither in the folder nor on the search path
    ProgramForbidden,   // found, but not a file this user may execute
};

struct LaunchFailure {
    LaunchError error;
    std::string subject;  // the folder or program concerned, as the data names it
};

// `directory` is relative to `launcherDir` unless absolute, with '\' or '/' as separators and
// letter case ignored. A program word without '/' is looked for in that folder first (letter
// case ignored, as the data was written for such a file system), then on `searchPath` (a
// PATH-style list); a word with '/' names a file relative to the folder.
std::variant<LaunchPlan, LaunchFailure> PlanLaunch(const std::filesystem::path& launcherDir, std::string_view directory,
                                                   std::string_view commandLine, std::string_view searchPath);

// The system's wording for the error, in Japanese, with the subject on its own line.
std::string LaunchFailureText(const LaunchFailure& failure);

}  // namespace launcher
