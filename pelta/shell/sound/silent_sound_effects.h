#pragma once
// Sound effects for a machine without an audio device: the game plays on in silence.

#include "sound/sound_effects.h"

namespace pelta {

class SilentSoundEffects : public SoundEffects {
public:
    void Play(const std::string&) override {}
    void PlayLooped(const std::string&) override {}
    void Stop() override {}
};

}  // namespace pelta
