#pragma once
// Sound effects that only remember what was asked of them, for tests of the game's flow.

#include <string>
#include <vector>

#include "sound/sound_effects.h"

namespace pelta {

struct SoundCall {
    enum class Kind { Play, PlayLooped, Stop };
    Kind kind = Kind::Stop;
    std::string file;  // empty for Stop
    bool operator==(const SoundCall&) const = default;
};

class RecordingSoundEffects : public SoundEffects {
public:
    void Play(const std::string& file) override { calls.push_back({SoundCall::Kind::Play, file}); }
    void PlayLooped(const std::string& file) override { calls.push_back({SoundCall::Kind::PlayLooped, file}); }
    void Stop() override { calls.push_back({SoundCall::Kind::Stop, {}}); }

    std::vector<SoundCall> calls;
};

}  // namespace pelta
