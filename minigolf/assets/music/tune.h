#pragma once
// The background tune: a melody, its chords and a light groove written out as text, and the
// arrangement that turns them into timed notes for a MIDI file.

#include <cstdint>
#include <string_view>
#include <vector>

namespace minigolf::music {

inline constexpr int kTicksPerBeat = 480;
inline constexpr int kBeatsPerBar = 4;
inline constexpr int kTicksPerBar = kTicksPerBeat * kBeatsPerBar;
inline constexpr int kBeatsPerMinute = 126;

struct Note {
    int channel;
    int key;
    int velocity;
    int startTick;
    int lengthTicks;
};

struct Part {
    int channel;
    int program;  // General MIDI, 0-based; ignored on the drum channel
    int volume;   // controller 7
    int pan;      // controller 10
};

struct Arrangement {
    std::vector<Part> parts;
    std::vector<Note> notes;
    int lengthTicks = 0;  // the end of the last bar: the piece loops from here to tick 0
};

// Reads a melody line: notes such as "E5:1" (name, octave, length in beats), "r:0.5" for a
// rest, "|" between bars (checked to add up to whole bars). Throws std::invalid_argument.
std::vector<Note> ParseMelody(std::string_view text, int channel, int velocity, int startTick);

Arrangement ArrangeTune();

}  // namespace minigolf::music
