// The seven bass lines. All sit on one four-bar progression in A minor whose bar roots are
// A | F or D | C or A | G, the same roots the chord patterns voice, so any bass line fits any
// chord pattern under any transposition.

#include <string_view>

#include "music/bgm_notation.h"
#include "music/bgm_patterns.h"

namespace pelta {
namespace {

using BassSource = std::array<std::array<std::string_view, kPitchedBarsUsed>, kBassPatternCount>;
constexpr BassSource kBassSource = {{
    // 0: driving eighths.
    {"A1> - A1 - A1 - A1 - A1> - A1 - A1 - A1 -",
     "F1> - F1 - F1 - F1 - F1> - F1 - F1 - F1 -",
     "C2> - C2 - C2 - C2 - C2> - C2 - C2 - C2 -",
     "G1> - G1 - G1 - G1 - G1> - G1 - E1 - G1 -"},
    // 1: root and fifth.
    {"A1> - - . E1 - - . A1 - - . E2 - - .",
     "F1> - - . C2 - - . F1 - - . C2 - - .",
     "C2> - - . G1 - - . C2 - - . G1 - - .",
     "G1> - - . D2 - - . G1 - - . D2 - - ."},
    // 2: disco octaves.
    {"A1> . A2 . A1 . A2 . A1> . A2 . A1 . A2 .",
     "F1> . F2 . F1 . F2 . F1> . F2 . F1 . F2 .",
     "C2> . C3 . C2 . C3 . C2> . C3 . C2 . C3 .",
     "G1> . G2 . G1 . G2 . G1> . G2 . G1 . G2 ."},
    // 3: syncopated funk with ghost notes.
    {"A1> - . A1' . . A2 . . A1 - . G1 . A1' .",
     "D2> - . D2' . . D3 . . D2 - . C2 . D2' .",
     "C2> - . C2' . . C3 . . C2 - . A1 . C2' .",
     "G1> - . G1' . . G2 . . G1 - . E1 . G1' ."},
    // 4: long notes for the slow grooves.
    {"A1> - - - - - - - - - - . E1 - - .",
     "D2> - - - - - - - - - - . A1 - - .",
     "A1> - - - - - - - - - - . C2 - - .",
     "G1> - - - - - - - - - - . D2 - - ."},
    // 5: walking quarters through the chord tones.
    {"A1> - - . C2 - - . E2 - - . G1 - - .",
     "F1> - - . A1 - - . C2 - - . E2 - - .",
     "C2> - - . E2 - - . G2 - - . E2 - - .",
     "G1> - - . A1 - - . D2 - - . E2 - - ."},
    // 6: Latin, on the one, the and of two and the four.
    {"A1> - - . . . E1 - - . . . A1 - - .",
     "F1> - - . . . C2 - - . . . F1 - - .",
     "C2> - - . . . G1 - - . . . C2 - - .",
     "G1> - - . . . D2 - - . . . G1 - - ."},
}};

}  // namespace

constexpr BassTable kBassPatterns = notation::BuildTable<BassTable, kPitchedEventsPerBar>(
    kBassSource, [](std::string_view bar) { return notation::ParseBassBar<kPitchedEventsPerBar>(bar); });

}  // namespace pelta
