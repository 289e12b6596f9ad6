#pragma once
// The user's folders as the XDG base-directory rules define them.

#include <filesystem>
#include <vector>

namespace tovra {

struct XdgDirs {
    std::filesystem::path home;
    std::filesystem::path dataHome;               // $XDG_DATA_HOME or ~/.local/share
    std::filesystem::path configHome;             // $XDG_CONFIG_HOME or ~/.config
    std::vector<std::filesystem::path> dataDirs;  // $XDG_DATA_DIRS or /usr/local/share:/usr/share

    static XdgDirs FromProcess();
};

// The user's desktop folder as their user-dirs.dirs names it (what xdg-user-dir reads),
// else ~/Desktop.
std::filesystem::path DesktopFolder(const XdgDirs& dirs);

}  // namespace tovra
