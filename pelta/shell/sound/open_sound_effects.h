#pragma once
// Chooses the sound-effect back-end at start-up.

#include <memory>

#include "sound/sound_effects.h"

namespace pelta {

// SDL2_mixer when an audio device opens, otherwise silence.
std::unique_ptr<SoundEffects> OpenSoundEffects();

}  // namespace pelta
