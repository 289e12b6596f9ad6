#pragma once
// The games the launcher pages through, read from "etcdata\game.csv".

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace launcher {

// One record of "game.csv", in the file's field order; text in UTF-8.
struct GameEntry {
    std::string title;            // shown on the title plate
    std::string directory;        // current folder of the started game; relative to the launcher's
    std::string program;          // command line started in `directory`
    std::string descriptionFile;  // inside etcdata
    std::string pictureFile;      // inside etcdata

    bool operator==(const GameEntry&) const = default;
};

inline constexpr int kGameListSlots = 101;

struct GameList {
    std::array<GameEntry, kGameListSlots> entries{};
    std::int16_t count = 0;
    std::int16_t currentIndex = 0;

    const GameEntry& Current() const { return entries[static_cast<std::size_t>(currentIndex)]; }
};

// Records of five fields until the input ends. A record cut short by the end still counts,
// its missing fields empty. Only the first 101 records are kept: the list has no more room,
// and the rest is ignored rather than refused so that the first games still show.
GameList ParseGameList(std::string_view bytes);

// Nothing when "etcdata\game.csv" is not an ordinary file under `launcherDir`.
std::optional<GameList> LoadGameList(const std::filesystem::path& launcherDir);

// Cyclic paging. An empty list stays at index 0 (there is nothing to move to).
void StepNext(GameList& list);
void StepPrevious(GameList& list);

}  // namespace launcher
