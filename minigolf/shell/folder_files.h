#pragma once
// The game's files in the current folder, where the courses and the music sit beside the
// program. The file the game rewrites lives where LocateDataFile puts it: beside them too, or in
// the user's data folder when the collection's folder is read-only (an installed collection).

#include <string>

#include "common/files/data_file.h"
#include "minigolf/files/game_files.h"

namespace minigolf {

class FolderFiles final : public GameFiles {
public:
    // `rewritten` is the name the game saves (the ranking file), found at `where`.
    FolderFiles(std::string rewritten, files::DataFile where)
        : rewritten_(std::move(rewritten)), where_(std::move(where)) {}

    std::optional<std::vector<std::uint8_t>> Read(const std::string& name) override;
    // Through the shared atomic replacement: a failed save leaves the old file whole, and says
    // why on stderr.
    bool Replace(const std::string& name, std::span<const std::uint8_t> bytes) override;

private:
    std::string rewritten_;
    files::DataFile where_;
};

}  // namespace minigolf
