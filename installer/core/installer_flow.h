#pragma once
// The installer from start to end: propose a folder, let the user confirm it, extract the
// archive there, report the outcome and start the installed utility.

#include <filesystem>
#include <functional>
#include <string>

#include "installer/core/default_folder.h"
#include "installer/core/installer_ui.h"
#include "installer/core/system_info.h"
#include "installer/lzh/result_code.h"

namespace installer {

using Extractor = std::function<lzh::ResultCode(const std::filesystem::path& destination)>;

struct InstallerContext {
    SystemInfo system;
    const InstallRootSource& saved;
    UserEnvironment environment;
    Extractor extract;
};

// An error box: the text with the caption "CAUTION!" and the information icon.
void ShowResultMessage(InstallerUi& ui, bool japanese, const std::string& text);

// A leading "~/" stands for the home folder, as it does everywhere else on a desktop.
std::string ExpandHome(const std::string& folder, const std::string& home);

// Returns the program's exit code, which is always 0.
int RunInstaller(InstallerUi& ui, const InstallerContext& context);

}  // namespace installer
