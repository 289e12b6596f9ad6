#pragma once

#include <map>

#include "minigolf/files/game_files.h"

namespace test_support {

// Files held in a map; a name can be made to refuse writing.
class MemoryFiles final : public minigolf::GameFiles {
public:
    std::optional<std::vector<std::uint8_t>> Read(const std::string& name) override {
        const auto it = files.find(name);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }

    bool Replace(const std::string& name, std::span<const std::uint8_t> bytes) override {
        if (failWrites) return false;
        files[name].assign(bytes.begin(), bytes.end());
        return true;
    }

    std::map<std::string, std::vector<std::uint8_t>> files;
    bool failWrites = false;
};

}  // namespace test_support
