#pragma once
// The game's files in the current folder, where the courses, the music and "rank.dat" sit
// beside the program.

#include "minigolf/files/game_files.h"

namespace minigolf {

class FolderFiles final : public GameFiles {
public:
    std::optional<std::vector<std::uint8_t>> Read(const std::string& name) override;
    // Through the shared atomic replacement: a failed save leaves the old file whole, and says
    // why on stderr.
    bool Replace(const std::string& name, std::span<const std::uint8_t> bytes) override;
};

}  // namespace minigolf
