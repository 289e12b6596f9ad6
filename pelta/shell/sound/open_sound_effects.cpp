#include "sound/open_sound_effects.h"

#include "sound/sdl_sound_effects.h"
#include "sound/silent_sound_effects.h"

namespace pelta {

std::unique_ptr<SoundEffects> OpenSoundEffects() {
    if (std::unique_ptr<SdlSoundEffects> sdl = SdlSoundEffects::Open()) return sdl;
    return std::make_unique<SilentSoundEffects>();
}

}  // namespace pelta
