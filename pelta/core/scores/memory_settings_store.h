#pragma once
// A settings store held in memory: for tests and for runs that must not touch the profile.

#include <map>
#include <string>

#include "pelta/scores/settings.h"

namespace pelta {

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::int32_t> ReadInt(std::string_view key) const override {
        auto it = ints.find(std::string(key));
        if (it == ints.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> ReadText(std::string_view key) const override {
        auto it = texts.find(std::string(key));
        if (it == texts.end()) return std::nullopt;
        return it->second;
    }
    void WriteInt(std::string_view key, std::int32_t value) override { ints[std::string(key)] = value; }
    void WriteText(std::string_view key, std::string_view value) override {
        texts[std::string(key)] = std::string(value);
    }

    std::map<std::string, std::int32_t> ints;
    std::map<std::string, std::string> texts;
};

}  // namespace pelta
