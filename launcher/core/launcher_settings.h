#pragma once
// The window caption and the four colours of "etcdata\set.ini". A value that is not set (a
// field missing or not a number) leaves the window's own default in place.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace launcher {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

struct LauncherSettings {
    std::optional<std::string> caption;
    std::optional<Rgb> plateColor;
    std::optional<Rgb> titleTextColor;
    std::optional<Rgb> descriptionBackColor;
    std::optional<Rgb> descriptionTextColor;

    bool operator==(const LauncherSettings&) const = default;
};

// Thirteen fields: the caption, then red, green and blue of each colour in the order above.
// Fields after the thirteenth are ignored.
LauncherSettings ParseLauncherSettings(std::string_view bytes);

// Nothing when "etcdata\set.ini" is not an ordinary file under `launcherDir`.
std::optional<LauncherSettings> LoadLauncherSettings(const std::filesystem::path& launcherDir);

}  // namespace launcher
