#pragma once
// Chooses the WAV back-end at start-up.

#include <memory>

#include "common/audio/wav_player.h"
#include "common/sdl_audio/sdl_wav_player.h"

namespace audio {

// SDL2_mixer when an audio device opens, otherwise, after one line on stderr, silence.
std::unique_ptr<WavPlayer> OpenWavPlayer(Voices voices);

}  // namespace audio
