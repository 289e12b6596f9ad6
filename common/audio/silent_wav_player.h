#pragma once
// Sounds for a machine without an audio device: the program goes on in silence.

#include "common/audio/wav_player.h"

namespace audio {

class SilentWavPlayer final : public WavPlayer {
public:
    bool Load(const std::string&, std::span<const std::uint8_t>) override { return true; }
    void Play(const std::string&) override {}
    void PlayLooped(const std::string&) override {}
    void PlayAndWait(const std::string&) override {}
    void StopAll() override {}
};

}  // namespace audio
