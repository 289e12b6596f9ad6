#pragma once
// The six effects played through the shared WAV player, one voice each, so that a sounding
// effect restarts itself while different effects overlap.

#include <cstdint>
#include <span>

#include "common/audio/wav_player.h"
#include "minigolf/devices/effects.h"

namespace minigolf {

class WavEffects final : public EffectPlayer {
public:
    // Plays through `player` from now on; nullptr silences the effects (after a release).
    void Attach(audio::WavPlayer* player) { player_ = player; }

    // Takes the stored effect of `slot`: false unless the bytes are in the effects' fixed layout
    // and the player accepts them.
    bool Load(int slot, std::span<const std::uint8_t> resource);

    void PlayEffect(int slot) override;

private:
    audio::WavPlayer* player_ = nullptr;
};

}  // namespace minigolf
