#include "launcher/core/launch_plan.h"

#include <unistd.h>

#include <optional>
#include <system_error>

#include "launcher/core/command_line.h"
#include "launcher/core/path_lookup.h"

namespace launcher {
namespace fs = std::filesystem;
namespace {

std::optional<fs::path> FindOnSearchPath(std::string_view name, std::string_view searchPath) {
    while (true) {
        const std::size_t cut = searchPath.find(':');
        const std::string_view dir = searchPath.substr(0, cut);
        // An empty entry means the current folder, which is the game's folder, already searched.
        if (!dir.empty()) {
            const fs::path candidate = fs::path(std::string(dir)) / std::string(name);
            std::error_code ec;
            if (fs::is_regular_file(candidate, ec) && access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        if (cut == std::string_view::npos) return std::nullopt;
        searchPath.remove_prefix(cut + 1);
    }
}

}  // namespace

std::variant<LaunchPlan, LaunchFailure> PlanLaunch(const fs::path& launcherDir, std::string_view directory,
                                                   std::string_view commandLine, std::string_view searchPath) {
    std::error_code ec;
    const std::optional<fs::path> folder = FindPath(launcherDir, directory);
    if (!folder || !fs::is_directory(*folder, ec)) return LaunchFailure{LaunchError::FolderMissing, std::string(directory)};

    std::optional<std::vector<std::string>> words = SplitCommandLine(commandLine);
    if (!words || words->empty()) return LaunchFailure{LaunchError::CommandMalformed, std::string(commandLine)};
    const std::string name = words->front();

    const bool bare = name.find('/') == std::string::npos;
    std::optional<fs::path> program = bare ? FindFile(*folder, name) : FindPath(*folder, name);
    if (!program && bare) program = FindOnSearchPath(name, searchPath);
    if (!program) return LaunchFailure{LaunchError::ProgramMissing, name};
    if (!fs::is_regular_file(*program, ec) || access(program->c_str(), X_OK) != 0)
        return LaunchFailure{LaunchError::ProgramForbidden, name};

    LaunchPlan plan;
    plan.program = fs::absolute(*program, ec);
    plan.arguments.assign(words->begin() + 1, words->end());
    plan.workingDirectory = fs::absolute(*folder, ec);
    return plan;
}

std::string LaunchFailureText(const LaunchFailure& failure) {
    const char* text = "";
    switch (failure.error) {
        case LaunchError::FolderMissing: text = "指定されたパスが見つかりません。"; break;
        case LaunchError::CommandMalformed: text = "パラメーターが間違っています。"; break;
        case LaunchError::ProgramMissing: text = "指定されたファイルが見つかりません。"; break;
        case LaunchError::ProgramForbidden: text = "アクセスが拒否されました。"; break;
    }
    return std::string(text) + "\n" + failure.subject;
}

}  // namespace launcher
