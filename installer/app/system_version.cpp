#include "installer/app/system_version.h"

#include <charconv>
#include <cstdlib>

namespace installer {

int ParseShellVersion(std::string_view text) {
    std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) return kCurrentShellVersion;
    int major = 0, minor = 0;
    auto [endMajor, errMajor] = std::from_chars(text.data(), text.data() + dot, major);
    auto [endMinor, errMinor] = std::from_chars(text.data() + dot + 1, text.data() + text.size(), minor);
    if (errMajor != std::errc() || errMinor != std::errc() || endMajor != text.data() + dot ||
        endMinor != text.data() + text.size() || major < 0 || major > 255 || minor < 0 || minor > 255) {
        return kCurrentShellVersion;
    }
    return major * 256 + minor;
}

int ShellVersionFromEnvironment() {
    const char* value = std::getenv("TOVRAINS_SHELL_VERSION");
    return value ? ParseShellVersion(value) : kCurrentShellVersion;
}

}  // namespace installer
