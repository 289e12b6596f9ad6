// The seven bass lines. All sit on one four-bar frame in A minor whose bar roots are
// A | F or D | C or A | G, the same roots the chord patterns voice, so any bass line fits any
// chord pattern; the lines take different roots in it (i VI III VII, i iv III VII, i VI i VII,
// i iv i VII). They keep to C2..D3 (36..50), so that even six semitones down the lowest note
// stays above E1, where small speakers still carry it.

#include <string_view>

#include "pelta/music/bgm_notation.h"
#include "pelta/music/bgm_patterns.h"

namespace pelta {
namespace {

using BassSource = std::array<std::array<std::string_view, kPitchedBarsUsed>, kBassPatternCount>;
constexpr BassSource kBassSource = {{
    // 0: driving eighths, ghosted between the beats.
    {"A2> - A2' - A2 - A2' - A2> - A2' - A2 - A2' -",
     "F2> - F2' - F2 - F2' - F2> - F2' - F2 - F2' -",
     "C3> - C3' - C3 - C3' - C3> - C3' - C3 - C3' -",
     "G2> - G2' - G2 - G2' - G2> - G2' - D2 - G2' -"},
    // 1: root and fifth.
    {"A2> - - . E2 - - . A2 - - . E2 - - .",
     "D2> - - . A2 - - . D3 - - . A2 - - .",
     "C3> - - . G2 - - . C3 - - . G2 - - .",
     "G2> - - . D2 - - . G2 - - . D3 - - ."},
    // 2: disco bounce, root on the beat and fifth on the off-beat.
    {"A2> . E2 . A2 . E2 . A2> . E2 . A2 . C3 .",
     "F2> . C3 . F2 . C3 . F2> . C3 . F2 . A2 .",
     "A2> . E2 . A2 . E2 . A2> . E2 . A2 . C3 .",
     "G2> . D3 . G2 . D3 . G2> . D3 . G2 . D2 ."},
    // 3: syncopated funk with ghost notes.
    {"A2> - . A2' . . E2 . . A2 - . G2 . A2' .",
     "D2> - . D2' . . D3 . . D2 - . C2 . D2' .",
     "A2> - . A2' . . C3 . . A2 - . G2 . E2' .",
     "G2> - . G2' . . D3 . . G2 - . D2 . G2' ."},
    // 4: long notes for the slow grooves.
    {"A2> - - - - - - - - - - . E2 - - .",
     "F2> - - - - - - - - - - . C3 - - .",
     "C3> - - - - - - - - - - . G2 - - .",
     "G2> - - - - - - - - - - . D2 - - ."},
    // 5: walking quarters through the chord tones, leading back to the A.
    {"A2> - - . C3 - - . E2 - - . G2 - - .",
     "D2> - - . F2 - - . A2 - - . C3 - - .",
     "C3> - - . G2 - - . E2 - - . D2 - - .",
     "G2> - - . D3 - - . C3 - - . A2 - - ."},
    // 6: Latin, on the one, the and of two and the four.
    {"A2> - - . . . E2 - - . . . A2 - - .",
     "F2> - - . . . C3 - - . . . F2 - - .",
     "A2> - - . . . C3 - - . . . E2 - - .",
     "G2> - - . . . D3 - - . . . G2 - - ."},
}};

}  // namespace

constexpr BassTable kBassPatterns = notation::BuildTable<BassTable, kPitchedEventsPerBar>(
    kBassSource, [](std::string_view bar) { return notation::ParseBassBar<kPitchedEventsPerBar>(bar); });

}  // namespace pelta
