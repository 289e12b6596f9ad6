#pragma once
// Sound effects through SDL2_mixer on one channel, so a new sound cuts off the old one.

#include <map>
#include <memory>
#include <string>

#include "sound/sound_effects.h"

struct Mix_Chunk;

namespace pelta {

class SdlSoundEffects : public SoundEffects {
public:
    // Nothing when no audio device opens.
    static std::unique_ptr<SdlSoundEffects> Open();
    ~SdlSoundEffects() override;
    SdlSoundEffects(const SdlSoundEffects&) = delete;
    SdlSoundEffects& operator=(const SdlSoundEffects&) = delete;

    void Play(const std::string& file) override;
    void PlayLooped(const std::string& file) override;
    void Stop() override;

private:
    SdlSoundEffects() = default;
    void Start(const std::string& file, int loops);
    // Loaded once per name; a file that failed to load is tried again next time, in case it
    // has appeared since.
    Mix_Chunk* Chunk(const std::string& file);

    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    std::map<std::string, std::unique_ptr<Mix_Chunk, ChunkDeleter>> chunks_;
};

}  // namespace pelta
