#pragma once
// Sounds that only remember what was asked of them, for tests of a program's flow.

#include <string>
#include <vector>

#include "common/audio/wav_player.h"

namespace audio {

struct WavCall {
    enum class Kind { Load, Play, PlayLooped, PlayAndWait, StopAll };
    Kind kind = Kind::StopAll;
    std::string name;  // empty for StopAll
    bool operator==(const WavCall&) const = default;
};

class RecordingWavPlayer final : public WavPlayer {
public:
    bool Load(const std::string& name, std::span<const std::uint8_t>) override {
        calls.push_back({WavCall::Kind::Load, name});
        return true;
    }
    void Play(const std::string& name) override { calls.push_back({WavCall::Kind::Play, name}); }
    void PlayLooped(const std::string& name) override { calls.push_back({WavCall::Kind::PlayLooped, name}); }
    void PlayAndWait(const std::string& name) override { calls.push_back({WavCall::Kind::PlayAndWait, name}); }
    void StopAll() override { calls.push_back({WavCall::Kind::StopAll, {}}); }

    std::vector<WavCall> calls;
};

}  // namespace audio
