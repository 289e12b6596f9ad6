#pragma once
// Where the launcher's data lies, relative to the launcher's own folder, as the data and the
// launcher have always named it (letter case does not matter; see FindPath).

#include <string>
#include <string_view>

namespace launcher {

inline constexpr std::string_view kGameListFile = "etcdata\\game.csv";
inline constexpr std::string_view kSettingsFile = "etcdata\\set.ini";
inline constexpr std::string_view kBackgroundPicture = "ETCDATA\\GAMES.BMP";
inline constexpr std::string_view kStepClickSound = "etcdata\\click.wav";
inline constexpr std::string_view kActionClickSound = "etcdata\\click2.wav";
inline constexpr std::string_view kSupportFilesFolder = "DLL";
inline constexpr std::string_view kSetupCommand = "setup";

// A file an entry names: plain concatenation, no separator added or removed.
inline std::string DataFile(std::string_view name) { return "ETCDATA\\" + std::string(name); }

}  // namespace launcher
