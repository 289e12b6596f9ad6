#include "launcher/core/launcher_settings.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "launcher/core/data_files.h"
#include "launcher/core/field_reader.h"
#include "launcher/core/path_lookup.h"
#include "launcher/core/read_file.h"
#include "launcher/core/text_decoding.h"

namespace launcher {
namespace {

// A colour component as the file's 16-bit integers hold it; anything else is unreadable.
std::optional<std::int16_t> ParseComponent(std::string_view field) {
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

// Components beyond 0..255 are clamped, so "300" still means full intensity and a negative
// value none, instead of spilling into the neighbouring component.
std::uint8_t Clamp(std::int16_t component) { return static_cast<std::uint8_t>(std::clamp<int>(component, 0, 255)); }

std::optional<Rgb> ParseColor(const std::vector<std::string>& fields) {
    if (fields.size() < 3) return std::nullopt;
    const auto red = ParseComponent(fields[0]);
    const auto green = ParseComponent(fields[1]);
    const auto blue = ParseComponent(fields[2]);
    if (!red || !green || !blue) return std::nullopt;
    return Rgb{Clamp(*red), Clamp(*green), Clamp(*blue)};
}

}  // namespace

LauncherSettings ParseLauncherSettings(std::string_view bytes) {
    FieldReader reader(bytes);
    LauncherSettings settings;
    if (std::optional<std::string> caption = reader.Next()) settings.caption = DecodeCp932(*caption);
    for (std::optional<Rgb>* color : {&settings.plateColor, &settings.titleTextColor, &settings.descriptionBackColor,
                                      &settings.descriptionTextColor}) {
        *color = ParseColor(reader.ReadFields(3));
    }
    return settings;
}

std::optional<LauncherSettings> LoadLauncherSettings(const std::filesystem::path& launcherDir) {
    const std::optional<std::filesystem::path> path = FindFile(launcherDir, kSettingsFile);
    if (!path) return std::nullopt;
    return ParseLauncherSettings(ReadWholeFile(*path).value_or(std::string()));
}

}  // namespace launcher
