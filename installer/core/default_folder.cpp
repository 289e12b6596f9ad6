#include "installer/core/default_folder.h"

#include <cstdlib>

#include "installer/core/text_table.h"

namespace installer {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

}  // namespace

UserEnvironment UserEnvironment::FromProcess() { return {Env("XDG_DATA_HOME"), Env("HOME")}; }

// Per-user programs live in the XDG data home (~/.local/share): it is the user's own, always
// writable, and where other per-user installs (game stores, IDE installers) put themselves;
// ~/.local/opt has no standing on a desktop. A relative XDG_DATA_HOME is invalid and ignored.
std::string UserProgramsFolder(const UserEnvironment& environment) {
    if (environment.xdgDataHome.starts_with('/')) return WithSeparator(environment.xdgDataHome);
    if (environment.home.empty()) return "";
    return WithSeparator(environment.home) + ".local/share/";
}

// The system-wide programs folder here is /opt.
std::string MapSystemFolder(std::string_view folder) {
    constexpr std::string_view kProgramFiles = "C:\\Program files\\";
    std::string mapped = "/";
    if (StartsWithNoCase(folder, kProgramFiles)) {
        mapped = "/opt/";
        folder.remove_prefix(kProgramFiles.size());
    } else if (folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\') {
        folder.remove_prefix(3);
    }
    for (char c : folder) mapped += c == '\\' ? '/' : c;
    return mapped;
}

std::string DefaultFolder(const InstallRootSource& saved, const UserEnvironment& environment) {
    std::string folder = saved.InstallRoot();
    if (!folder.empty()) return folder;
    folder = UserProgramsFolder(environment);
    if (!folder.empty()) return folder + "Tovra/";
    return MapSystemFolder(LoadText(kTextLastResortFolder, false));
}

}  // namespace installer
