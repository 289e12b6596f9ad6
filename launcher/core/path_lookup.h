#pragma once
// The data names its files as "etcdata\game.csv" and "ETCDATA\GAMES.BMP" alike: one folder, on
// a file system that ignores letter case. Here the real names are found whatever their case.

#include <filesystem>
#include <optional>
#include <string_view>

namespace launcher {

// The existing path that `dataPath` (components separated by '\' or '/', relative to `base`
// unless it starts with a separator) names, each component matched without regard to ASCII
// letter case; an exact match wins, else the first match in name order. Nothing when a
// component is missing.
std::optional<std::filesystem::path> FindPath(const std::filesystem::path& base, std::string_view dataPath);

// FindPath to an ordinary file (a folder or a missing file count as missing).
std::optional<std::filesystem::path> FindFile(const std::filesystem::path& base, std::string_view dataPath);

}  // namespace launcher
