#pragma once
// How the installer starts the utility it installed: its setup switch, and the shortcut
// switch when the user asked for a desktop shortcut.

#include <string>

#include "installer/core/installer_ui.h"
#include "installer/core/main_dialog.h"

namespace installer {

constexpr const char* kUtilityName = "tovra";

// The installed utility's path: the folder, a separator where it has none, and its name.
std::string UtilityPath(const std::string& folder);

// Arguments travel as separate strings so that a folder with spaces (or quotes) still names
// the utility and nothing else.
ProgramStart UtilityStart(const std::string& folder, ShortcutChoice shortcut);

}  // namespace installer
