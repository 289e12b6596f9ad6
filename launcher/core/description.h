#pragma once
// The description text of a game: its whole file, shown as it is.

#include <filesystem>
#include <optional>
#include <string>

#include "launcher/core/game_list.h"

namespace launcher {

// The text of "ETCDATA\" + the entry's description file, line breaks kept; nothing when that
// is not an ordinary file or cannot be read.
std::optional<std::string> ReadDescription(const std::filesystem::path& launcherDir, const GameEntry& entry);

}  // namespace launcher
