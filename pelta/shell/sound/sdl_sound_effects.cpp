#include "sound/sdl_sound_effects.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <filesystem>

namespace pelta {
namespace {

constexpr int kChannel = 0;
constexpr int kChunkBytes = 1024;  // about 12 ms at 44.1 kHz stereo: short enough for a bat crack

// Without sound hardware only a sound server can play, and probing the other drivers (ALSA, or
// sndio on top of it) prints a screenful. An explicit SDL_AUDIODRIVER is left alone.
void ChooseAudioDrivers() {
    if (std::getenv("SDL_AUDIODRIVER") || std::filesystem::exists("/dev/snd")) return;
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "pulseaudio,pipewire");
}

}  // namespace

void SdlSoundEffects::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

std::unique_ptr<SdlSoundEffects> SdlSoundEffects::Open() {
    ChooseAudioDrivers();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kChunkBytes) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(1);
    return std::unique_ptr<SdlSoundEffects>(new SdlSoundEffects());
}

SdlSoundEffects::~SdlSoundEffects() {
    Mix_HaltChannel(-1);
    chunks_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundEffects::Play(const std::string& file) { Start(file, 0); }

void SdlSoundEffects::PlayLooped(const std::string& file) { Start(file, -1); }

void SdlSoundEffects::Stop() { Mix_HaltChannel(kChannel); }

// A file that cannot be played still cuts off the old sound: the new one is silence.
void SdlSoundEffects::Start(const std::string& file, int loops) {
    Mix_HaltChannel(kChannel);
    if (Mix_Chunk* chunk = Chunk(file)) Mix_PlayChannel(kChannel, chunk, loops);
}

Mix_Chunk* SdlSoundEffects::Chunk(const std::string& file) {
    auto it = chunks_.find(file);
    if (it != chunks_.end()) return it->second.get();
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (chunk) chunks_.emplace(file, chunk);
    return chunk;
}

}  // namespace pelta
