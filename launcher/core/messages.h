#pragma once
// What the launcher tells the user, word for word.

#include <string_view>

namespace launcher {

inline constexpr std::string_view kDefaultCaption = "ゲーム集";
inline constexpr std::string_view kAlreadyRunning = "既に起動されています";
inline constexpr std::string_view kGameListMissing = "GAME.CSVがないので終了。";
inline constexpr std::string_view kSettingsMissing = "set.iniがないので終了。";
inline constexpr std::string_view kDescriptionMissing = "読み込むファイルがありませんので終了。";
inline constexpr std::string_view kStartFailed = "ERROR";

}  // namespace launcher
