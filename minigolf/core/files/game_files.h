#pragma once
// The game's access to the files beside it: course files and the ranking file, by bare name.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace minigolf {

class GameFiles {
public:
    virtual ~GameFiles() = default;
    // The whole file, or nothing when it cannot be opened.
    virtual std::optional<std::vector<std::uint8_t>> Read(const std::string& name) = 0;
    // Replaces the file as a whole, so that a failed write leaves the old one; false on failure.
    virtual bool Replace(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace minigolf
