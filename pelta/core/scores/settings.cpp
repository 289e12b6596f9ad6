#include "pelta/scores/settings.h"

namespace pelta {
namespace {

constexpr std::string_view kLevelKey = "Level";
constexpr std::string_view kWaveKey = "Wave Sound";
constexpr std::string_view kBgmKey = "BGM Sound";
constexpr std::string_view kNameKey = "Name";

constexpr std::uint8_t kHighestLevel = 3;

std::uint8_t StorableLevel(std::uint8_t level) { return level > kHighestLevel ? 0 : level; }

}  // namespace

Settings LoadSettings(const SettingsStore& store) {
    Settings s;
    s.level = StorableLevel(static_cast<std::uint8_t>(store.ReadInt(kLevelKey).value_or(s.level)));
    s.waveOn = store.ReadInt(kWaveKey).value_or(s.waveOn);
    s.bgmOn = store.ReadInt(kBgmKey).value_or(s.bgmOn);
    s.playerName = store.ReadText(kNameKey).value_or(s.playerName);
    return s;
}

void SaveSettings(SettingsStore& store, const Settings& settings) {
    store.WriteInt(kLevelKey, StorableLevel(settings.level));
    store.WriteInt(kWaveKey, settings.waveOn);
    store.WriteInt(kBgmKey, settings.bgmOn);
    store.WriteText(kNameKey, settings.playerName);
}

std::int32_t KeptSwitch(std::int32_t stored, bool on) {
    if ((stored != 0) == on) return stored;
    return on ? 1 : 0;
}

}  // namespace pelta
