#pragma once
// Short WAV sounds as a program's rules see them. A sound is named by its file (read from that
// path, relative to the current directory, on first use) or by a name given to Load, for sounds
// carried inside the program. Back-ends: SDL2_mixer (sdl_audio), silent, recording.

#include <cstdint>
#include <span>
#include <string>

namespace audio {

class WavPlayer {
public:
    virtual ~WavPlayer() = default;
    // Keeps a copy of `wav` (a whole WAV file) as the sound `name`. False when it is not a WAV
    // that can be played; the name then plays nothing.
    virtual bool Load(const std::string& name, std::span<const std::uint8_t> wav) = 0;
    // Starts `name` once without waiting. A sound still playing is started again from its
    // beginning; what else sounds depends on the player's voices. A sound that is missing or
    // unreadable plays nothing.
    virtual void Play(const std::string& name) = 0;
    // As Play, but repeats until stopped or played again.
    virtual void PlayLooped(const std::string& name) = 0;
    // Plays `name` once and returns when it has ended (a click that must be heard before the
    // program goes on). Returns at once when nothing can be played.
    virtual void PlayAndWait(const std::string& name) = 0;
    // Silences every sound.
    virtual void StopAll() = 0;
};

}  // namespace audio
