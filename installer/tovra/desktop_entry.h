#pragma once
// Desktop entries (.desktop files) that start the utility on the files handed to it.

#include <optional>
#include <string>
#include <string_view>

namespace tovra {

constexpr std::string_view kDesktopId = "tovra.desktop";
// The type the shared MIME database gives .lzh files, and the older name many systems use.
constexpr std::string_view kLzhMimeType = "application/x-lzh-compressed";
constexpr std::string_view kLhaMimeType = "application/x-lha";

// One argument of an Exec line, quoted and escaped so that the launcher passes it on
// unchanged; nothing for text a desktop entry cannot carry (a line break).
std::optional<std::string> ExecArgument(std::string_view argument);

// The utility's entry: opens .lzh files with the program at `programPath`.
std::optional<std::string> DesktopEntry(const std::string& programPath);

}  // namespace tovra
