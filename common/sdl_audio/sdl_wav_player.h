#pragma once
// WAV sounds through SDL2_mixer.

#include <map>
#include <memory>
#include <string>

#include "common/audio/wav_player.h"

struct Mix_Chunk;

namespace audio {

// How sounds share the mixer.
enum class Voices {
    One,       // a new sound cuts off whatever was playing
    PerSound,  // each sound has a voice of its own: sounds overlap, each restarts only itself
};

class SdlWavPlayer final : public WavPlayer {
public:
    // Nothing when no audio device opens.
    static std::unique_ptr<SdlWavPlayer> Open(Voices voices);
    ~SdlWavPlayer() override;
    SdlWavPlayer(const SdlWavPlayer&) = delete;
    SdlWavPlayer& operator=(const SdlWavPlayer&) = delete;

    bool Load(const std::string& name, std::span<const std::uint8_t> wav) override;
    void Play(const std::string& name) override;
    void PlayLooped(const std::string& name) override;
    void PlayAndWait(const std::string& name) override;
    void StopAll() override;

private:
    explicit SdlWavPlayer(Voices voices) : voices_(voices) {}
    // The channel the sound played on, or -1 when there was nothing to play.
    int Start(const std::string& name, int loops);

    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    struct Sound {
        std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;
        int channel = 0;
    };
    // Loaded once per name; a file that failed to load is tried again next time, in case it
    // has appeared since.
    Sound* Find(const std::string& name);
    Sound& Store(const std::string& name, Mix_Chunk* chunk);

    Voices voices_;
    int channelsUsed_ = 0;  // PerSound: channels handed out, never reused
    std::map<std::string, Sound> sounds_;
};

}  // namespace audio
