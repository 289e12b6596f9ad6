#include "installer/tovra/xdg_dirs.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tovra {
namespace {

namespace fs = std::filesystem;

// Relative values are invalid and ignored.
fs::path AbsoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return {};
    return value;
}

// The value of `KEY="..."` in a user-dirs.dirs line, with $HOME expanded.
std::string UserDirValue(const std::string& line, const std::string& key, const fs::path& home) {
    std::string prefix = key + "=\"";
    if (!line.starts_with(prefix) || line.size() < prefix.size() + 1 || line.back() != '"') return "";
    std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
    if (value.starts_with("$HOME")) return home.string() + value.substr(5);
    return value.starts_with('/') ? value : "";
}

}  // namespace

XdgDirs XdgDirs::FromProcess() {
    XdgDirs dirs;
    dirs.home = AbsoluteEnv("HOME");
    dirs.dataHome = AbsoluteEnv("XDG_DATA_HOME");
    if (dirs.dataHome.empty()) dirs.dataHome = dirs.home / ".local/share";
    dirs.configHome = AbsoluteEnv("XDG_CONFIG_HOME");
    if (dirs.configHome.empty()) dirs.configHome = dirs.home / ".config";
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    std::stringstream list(dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share");
    for (std::string dir; std::getline(list, dir, ':');) {
        if (dir.starts_with('/')) dirs.dataDirs.emplace_back(dir);
    }
    return dirs;
}

fs::path DesktopFolder(const XdgDirs& dirs) {
    std::ifstream in(dirs.configHome / "user-dirs.dirs");
    for (std::string line; std::getline(in, line);) {
        std::string value = UserDirValue(line, "XDG_DESKTOP_DIR", dirs.home);
        if (!value.empty()) return value;
    }
    return dirs.home / "Desktop";
}

}  // namespace tovra
