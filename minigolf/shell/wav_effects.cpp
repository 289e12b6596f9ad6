#include "minigolf/shell/wav_effects.h"

#include "minigolf/devices/wave_resource.h"

namespace minigolf {

bool WavEffects::Load(int slot, std::span<const std::uint8_t> resource) {
    if (!player_ || slot < 0 || slot >= kEffectCount || !ReadWaveResource(resource)) return false;
    // The fixed layout is a complete RIFF WAVE file, so the player takes the bytes as they are.
    return player_->Load(kEffectNames[slot], resource);
}

void WavEffects::PlayEffect(int slot) {
    if (player_ && slot >= 0 && slot < kEffectCount) player_->Play(kEffectNames[slot]);
}

}  // namespace minigolf
