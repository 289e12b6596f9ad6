#include "launcher/core/path_lookup.h"

#include <algorithm>
#include <system_error>

namespace launcher {
namespace fs = std::filesystem;
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::optional<fs::path> FindComponent(const fs::path& dir, std::string_view name) {
    std::error_code ec;
    const fs::path exact = dir / fs::path(std::string(name));
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;

    std::optional<std::string> best;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (SameIgnoringCase(candidate, name) && (!best || candidate < *best)) best = candidate;
    }
    if (!best) return std::nullopt;
    return dir / *best;
}

}  // namespace

std::optional<fs::path> FindPath(const fs::path& base, std::string_view dataPath) {
    fs::path found = base;
    if (!dataPath.empty() && (dataPath.front() == '\\' || dataPath.front() == '/')) found = "/";
    while (!dataPath.empty()) {
        const std::size_t cut = dataPath.find_first_of("\\/");
        const std::string_view name = dataPath.substr(0, cut);
        dataPath.remove_prefix(cut == std::string_view::npos ? dataPath.size() : cut + 1);
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            found /= "..";
            continue;
        }
        std::optional<fs::path> next = FindComponent(found, name);
        if (!next) return std::nullopt;
        found = std::move(*next);
    }
    return found;
}

std::optional<fs::path> FindFile(const fs::path& base, std::string_view dataPath) {
    std::optional<fs::path> path = FindPath(base, dataPath);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) return std::nullopt;
    return path;
}

}  // namespace launcher
