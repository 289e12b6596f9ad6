#pragma once
// The batting game's sound effects: one voice, like the system's own short-sound player.

#include <string>

namespace pelta {

// The game's four effects, read from the current directory by name.
inline constexpr const char* kPitchSound = "pitch.wav";        // the ball leaves the pitcher's hand
inline constexpr const char* kHitSound = "hit.wav";            // a hit
inline constexpr const char* kSwingMissSound = "kara.wav";     // a swing and miss
inline constexpr const char* kApplauseSound = "applause.wav";  // home runs and a new top-ten entry; looped

// The "Wave Sound" switch is the caller's to honour: while waveOn is 0 the game makes none of
// these calls, Stop included.
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
