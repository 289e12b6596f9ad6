#pragma once
// The batting game's sound effects, played on one voice: each new sound cuts off the last, like
// the system's own short-sound player. The "Wave Sound" switch is the caller's to honour: while
// waveOn is 0 the game asks for no sound, StopAll included.

namespace pelta {

// Read from the current directory by name.
inline constexpr const char* kPitchSound = "pitch.wav";        // the ball leaves the pitcher's hand
inline constexpr const char* kHitSound = "hit.wav";            // a hit
inline constexpr const char* kSwingMissSound = "kara.wav";     // a swing and miss
inline constexpr const char* kApplauseSound = "applause.wav";  // home runs and a new top-ten entry; looped

}  // namespace pelta
