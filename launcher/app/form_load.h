#pragma once
// The launcher's start-up: splash, support files, one instance only, the game list and
// settings, and the first game, ending with a message where a file it needs is missing.

#include <QString>
#include <filesystem>
#include <memory>

#include "launcher/app/form1.h"
#include "launcher/app/launcher_services.h"

class QLockFile;

namespace launcher {

struct StartupPlaces {
    std::filesystem::path launcherDir;
    // Where the files of the collection's "DLL" folder are copied: on this desktop a per-user
    // folder stands in for the system folder (see main.cpp).
    std::filesystem::path supportFilesTarget;
};

// The main window, ready to show, or nothing when start-up ended with a message. Holds
// `instanceLock` from the single-instance check on for as long as the launcher runs.
std::unique_ptr<Form1> Form_Load(const StartupPlaces& places, const LauncherServices& services, QLockFile& instanceLock);

}  // namespace launcher
