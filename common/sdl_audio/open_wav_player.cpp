#include "sdl_audio/open_wav_player.h"

#include <SDL.h>
#include <iostream>

#include "audio/silent_wav_player.h"

namespace audio {

std::unique_ptr<WavPlayer> OpenWavPlayer(Voices voices) {
    if (std::unique_ptr<SdlWavPlayer> sdl = SdlWavPlayer::Open(voices)) return sdl;
    std::cerr << "No audio device (" << SDL_GetError() << "): sound effects are off.\n";
    return std::make_unique<SilentWavPlayer>();
}

}  // namespace audio
