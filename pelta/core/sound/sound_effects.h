#pragma once
// The batting game's sound effects: one voice, like the system's own short-sound player.

#include <string>

namespace pelta {

class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    // Starts `file` (a WAV in the current directory, by name) once, without waiting, cutting off
    // whatever was playing. A file that is missing or unreadable plays nothing.
    virtual void Play(const std::string& file) = 0;
    // As Play, but repeats until Stop or the next Play.
    virtual void PlayLooped(const std::string& file) = 0;
    // Silences whatever is playing.
    virtual void Stop() = 0;
};

}  // namespace pelta
