#pragma once
// The music's pattern tables. An event is three bytes: tick within the bar (0..191), note,
// velocity (0 = note off). A bar's events ascend by tick; unused slots are zero.
// Drums: 8 patterns x 8 bars x 200 slots. Bass: 7 x 8 x 100 and chords: 4 x 8 x 100, of which
// only bar slots 0..3 are read (the player repeats them twice per phrase); slots 4..7 are zero.

#include <array>
#include <cstddef>
#include <cstdint>

namespace pelta {

constexpr int kTicksPerBar = 192;
constexpr int kBarsPerPhrase = 8;
constexpr int kBytesPerEvent = 3;

constexpr int kDrumPatternCount = 8;
constexpr int kDrumEventsPerBar = 200;
constexpr int kBassPatternCount = 7;
constexpr int kChordPatternCount = 4;
constexpr int kPitchedEventsPerBar = 100;
constexpr int kPitchedBarsUsed = 4;

using DrumTable = std::array<std::uint8_t, kDrumPatternCount * kBarsPerPhrase * kDrumEventsPerBar * kBytesPerEvent>;
using BassTable = std::array<std::uint8_t, kBassPatternCount * kBarsPerPhrase * kPitchedEventsPerBar * kBytesPerEvent>;
using ChordTable = std::array<std::uint8_t, kChordPatternCount * kBarsPerPhrase * kPitchedEventsPerBar * kBytesPerEvent>;

extern const DrumTable kDrumPatterns;
extern const BassTable kBassPatterns;
extern const ChordTable kChordPatterns;

// Programs for the percussion channel (General MIDI drum kits).
constexpr std::array<int, 8> kDrumKits = {0, 1, 8, 16, 24, 25, 26, 32};

// Byte offset of event (pattern, bar, index) in a table with the given events per bar.
constexpr std::size_t EventOffset(int pattern, int bar, int index, int eventsPerBar) {
    return static_cast<std::size_t>(kBytesPerEvent * (index + eventsPerBar * (bar + kBarsPerPhrase * pattern)));
}

}  // namespace pelta
