// The mini-golf program: one full-screen window, the mouse, the effects and the music around the
// game's rules, until Escape or the desktop closes it.

#include <SDL.h>

#include <iostream>

#include "common/files/data_file.h"
#include "minigolf/flow/golf_game.h"
#include "minigolf/flow/ranking_file.h"
#include "minigolf/resources/resources.h"
#include "minigolf/shell/folder_files.h"
#include "minigolf/shell/main_loop.h"
#include "minigolf/shell/music_loop.h"
#include "minigolf/shell/shell_devices.h"
#include "minigolf/shell/shutdown_signals.h"

using namespace minigolf;

namespace {

// Failures end with status 1, so that a script or launcher can tell them from an ordinary end.
int Fail(ShellDevices& devices, const std::string& text) {
    ReportFailure(devices, text);
    SDL_Quit();
    return 1;
}

}  // namespace

int main() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    CatchShutdownSignals();

    ShellDevices devices;
    FolderFiles folder(kRankingFile, files::LocateDataFile("minigolf", kRankingFile, std::cerr));
    if (!devices.SetUpDisplay()) return Fail(devices, kDisplaySetUpFailed);
    GolfGame game(GolfPlatform{*devices.display, devices.effects, devices.mouse, folder, EMBEDDED_BYTES(mapdat)});
    if (!game.Start()) return Fail(devices, kDisplaySetUpFailed);
    if (!devices.SetUpSound({EMBEDDED_BYTES(pon), EMBEDDED_BYTES(pon2), EMBEDDED_BYTES(cupin), EMBEDDED_BYTES(nice),
                             EMBEDDED_BYTES(par), EMBEDDED_BYTES(bogi)})) {
        return Fail(devices, kSoundSetUpFailed);
    }
    if (!devices.SetUpMouse()) return Fail(devices, kMouseSetUpFailed);

    MusicLoop music(*devices.music, kMusicFile);
    music.Start();
    const std::optional<std::string> failure = RunMainLoop({game, *devices.display, devices.mouse, music});
    devices.ReleaseAll();
    if (failure) return Fail(devices, *failure);
    SDL_Quit();
    return 0;
}
