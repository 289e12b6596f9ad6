#include "launcher/core/game_list.h"

#include <vector>

#include "launcher/core/data_files.h"
#include "launcher/core/field_reader.h"
#include "launcher/core/path_lookup.h"
#include "launcher/core/read_file.h"
#include "launcher/core/text_decoding.h"

namespace launcher {

GameList ParseGameList(std::string_view bytes) {
    GameList list;
    FieldReader reader(bytes);
    while (!reader.AtEnd() && list.count < kGameListSlots) {
        std::vector<std::string> fields = reader.ReadFields(5);
        fields.resize(5);
        GameEntry& entry = list.entries[static_cast<std::size_t>(list.count)];
        entry.title = DecodeCp932(fields[0]);
        entry.directory = DecodeCp932(fields[1]);
        entry.program = DecodeCp932(fields[2]);
        entry.descriptionFile = DecodeCp932(fields[3]);
        entry.pictureFile = DecodeCp932(fields[4]);
        ++list.count;
    }
    return list;
}

std::optional<GameList> LoadGameList(const std::filesystem::path& launcherDir) {
    const std::optional<std::filesystem::path> path = FindFile(launcherDir, kGameListFile);
    if (!path) return std::nullopt;
    // An unreadable file reads as empty, as any other failed step of the start-up is skipped.
    return ParseGameList(ReadWholeFile(*path).value_or(std::string()));
}

void StepNext(GameList& list) {
    ++list.currentIndex;
    if (list.currentIndex > list.count - 1) list.currentIndex = 0;
}

void StepPrevious(GameList& list) {
    --list.currentIndex;
    if (list.currentIndex < 0) list.currentIndex = list.count > 0 ? static_cast<std::int16_t>(list.count - 1) : 0;
}

}  // namespace launcher
