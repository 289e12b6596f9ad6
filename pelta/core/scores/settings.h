#pragma once
// The four settings the batting game keeps between runs, in the section "Settings" of the
// user's profile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pelta/model/game_state.h"

namespace pelta {

struct Settings {
    std::uint8_t level = 0;   // 0..3; practice (10) is never stored
    std::int32_t waveOn = 1;  // sound effects: 0 = off, anything else = on
    std::int32_t bgmOn = 1;   // music: 0 = off, anything else = on
    std::string playerName = kDefaultPlayerName;
    bool operator==(const Settings&) const = default;
};

// Where the settings live: a key is absent until written.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::int32_t> ReadInt(std::string_view key) const = 0;
    virtual std::optional<std::string> ReadText(std::string_view key) const = 0;
    virtual void WriteInt(std::string_view key, std::int32_t value) = 0;
    virtual void WriteText(std::string_view key, std::string_view value) = 0;
};

// Absent keys take the defaults; of "Level" only the low 8 bits count, and a level above 3
// becomes 0.
Settings LoadSettings(const SettingsStore& store);

// Writes all four; a level above 3 (practice) is stored as 0.
void SaveSettings(SettingsStore& store, const Settings& settings);

// An on/off setting as it is to be stored: the value as read while the player leaves the
// switch as it was (any value but 0 is on), 0 once switched off, 1 once switched on.
std::int32_t KeptSwitch(std::int32_t stored, bool on);

}  // namespace pelta
