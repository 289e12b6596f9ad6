#include "common/sdl_audio/open_wav_player.h"

#include <SDL.h>
#include <iostream>

#include "common/audio/silent_wav_player.h"

namespace audio {

std::unique_ptr<WavPlayer> OpenWavPlayer(Voices voices) {
    if (std::unique_ptr<SdlWavPlayer> sdl = SdlWavPlayer::Open(voices)) return sdl;
    std::cerr << "sound: no audio device; playing silently (" << SDL_GetError() << ")\n";
    return std::make_unique<SilentWavPlayer>();
}

}  // namespace audio
