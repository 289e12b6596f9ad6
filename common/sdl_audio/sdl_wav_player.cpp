#include "common/sdl_audio/sdl_wav_player.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <filesystem>

namespace audio {
namespace {

constexpr int kChunkBytes = 1024;  // about 12 ms at 44.1 kHz stereo: short enough for a bat crack
constexpr Uint32 kWaitStepMs = 5;

// Without sound hardware only a sound server can play, and probing the other drivers (ALSA, or
// sndio on top of it) prints a screenful. An explicit SDL_AUDIODRIVER is left alone.
void ChooseAudioDrivers() {
    if (std::getenv("SDL_AUDIODRIVER") || std::filesystem::exists("/dev/snd")) return;
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "pulseaudio,pipewire");
}

}  // namespace

void SdlWavPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

std::unique_ptr<SdlWavPlayer> SdlWavPlayer::Open(Voices voices) {
    ChooseAudioDrivers();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kChunkBytes) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(1);
    return std::unique_ptr<SdlWavPlayer>(new SdlWavPlayer(voices));
}

SdlWavPlayer::~SdlWavPlayer() {
    Mix_HaltChannel(-1);
    sounds_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlWavPlayer::Load(const std::string& name, std::span<const std::uint8_t> wav) {
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1);
    if (!chunk) {
        if (auto it = sounds_.find(name); it != sounds_.end()) {
            Mix_HaltChannel(it->second.channel);
            sounds_.erase(it);
        }
        return false;
    }
    Store(name, chunk);
    return true;
}

void SdlWavPlayer::Play(const std::string& name) { Start(name, 0); }

void SdlWavPlayer::PlayLooped(const std::string& name) { Start(name, -1); }

void SdlWavPlayer::PlayAndWait(const std::string& name) {
    const int channel = Start(name, 0);
    if (channel < 0) return;
    while (Mix_Playing(channel)) SDL_Delay(kWaitStepMs);
}

void SdlWavPlayer::StopAll() { Mix_HaltChannel(-1); }

// On one voice a sound that cannot be played still cuts off the old one: the new one is silence.
int SdlWavPlayer::Start(const std::string& name, int loops) {
    if (voices_ == Voices::One) Mix_HaltChannel(0);
    Sound* sound = Find(name);
    if (!sound) return -1;
    Mix_HaltChannel(sound->channel);
    return Mix_PlayChannel(sound->channel, sound->chunk.get(), loops);
}

SdlWavPlayer::Sound* SdlWavPlayer::Find(const std::string& name) {
    if (auto it = sounds_.find(name); it != sounds_.end()) return &it->second;
    Mix_Chunk* chunk = Mix_LoadWAV(name.c_str());
    return chunk ? &Store(name, chunk) : nullptr;
}

SdlWavPlayer::Sound& SdlWavPlayer::Store(const std::string& name, Mix_Chunk* chunk) {
    auto it = sounds_.find(name);
    if (it != sounds_.end()) {
        Mix_HaltChannel(it->second.channel);
        it->second.chunk.reset(chunk);
        return it->second;
    }
    int channel = 0;
    if (voices_ == Voices::PerSound) {
        channel = channelsUsed_++;
        if (Mix_AllocateChannels(-1) < channelsUsed_) Mix_AllocateChannels(channelsUsed_);
    }
    return sounds_.emplace(name, Sound{std::unique_ptr<Mix_Chunk, ChunkDeleter>(chunk), channel}).first->second;
}

}  // namespace audio
