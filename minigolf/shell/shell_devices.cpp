#include "minigolf/shell/shell_devices.h"

#include <SDL.h>

#include <iostream>

#include "common/audio/silent_wav_player.h"
#include "common/sdl_audio/sdl_wav_player.h"
#include "common/synth/fluidsynth_file_player.h"

namespace minigolf {

bool ShellDevices::SetUpDisplay() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::cerr << "display: " << SDL_GetError() << '\n';
        return false;
    }
    std::string error;
    display = SdlDisplay::Open(error);
    if (!display) std::cerr << "display: " << error << '\n';
    return display != nullptr;
}

bool ShellDevices::SetUpSound(const EffectResources& resources) {
    if (auto mixer = audio::SdlWavPlayer::Open(audio::Voices::PerSound)) {
        sound = std::move(mixer);
        music = midi::MakeMidiFilePlayer();
    } else {
        // The music would find no device either; one line says it for both.
        std::cerr << "sound: no audio device; the game plays silently (" << SDL_GetError() << ")\n";
        sound = std::make_unique<audio::SilentWavPlayer>();
        music = std::make_unique<midi::SilentMidiFilePlayer>();
    }
    effects.Attach(sound.get());
    for (int slot = 0; slot < kEffectCount; ++slot) {
        if (!effects.Load(slot, resources[static_cast<std::size_t>(slot)])) {
            std::cerr << "sound: the effect \"" << kEffectNames[slot] << "\" does not load\n";
            return false;
        }
    }
    return true;
}

bool ShellDevices::SetUpMouse() {
    mouseTaken = TakePointer();
    if (!mouseTaken) std::cerr << "mouse: " << SDL_GetError() << '\n';
    return mouseTaken;
}

void ShellDevices::ReleaseAll() {
    effects.Attach(nullptr);
    if (music) music->Stop();
    music.reset();
    sound.reset();
    display.reset();
    if (mouseTaken) {
        CaptureMouse(false);
        SDL_ShowCursor(SDL_ENABLE);
        mouseTaken = false;
    }
}

void ReportFailure(ShellDevices& devices, const std::string& text) {
    devices.ReleaseAll();
    std::cerr << text << '\n';
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kWindowTitle, text.c_str(), nullptr);
}

}  // namespace minigolf
