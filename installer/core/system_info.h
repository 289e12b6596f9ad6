#pragma once
// What the installer needs to know about the system it runs on; the caller finds it out, so
// tests can stand in for any system.

#include <string_view>

namespace installer {

struct SystemInfo {
    // Major version × 256 + minor version of the desktop shell the installer was written for.
    int version = 0;
    bool japanese = false;
};

// Shells before 3.95 have no folder browser and nothing to put a shortcut on.
constexpr int kFolderBrowserVersion = 3 * 256 + 95;

constexpr bool HasOldShell(const SystemInfo& system) { return system.version < kFolderBrowserVersion; }

// "ja", "ja_JP", "ja_JP.UTF-8", "ja-JP"; not "jav" (Javanese).
bool IsJapaneseLocale(std::string_view localeName);

}  // namespace installer
