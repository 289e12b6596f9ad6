// The four chord patterns: close voicings inside notes 60..69 over the bass's progression
// A | F or D | C or A | G. Each voicing also sounds right over the other root of its bar
// (Fmaj7 over D is Dm9, C6 over A is Am7), which lets every bass line meet every chord pattern.

#include <string_view>

#include "music/bgm_notation.h"
#include "music/bgm_patterns.h"

namespace pelta {
namespace {

using ChordSource = std::array<std::array<std::string_view, kPitchedBarsUsed>, kChordPatternCount>;
constexpr ChordSource kChordSource = {{
    // 0: sustained pads, struck again on beat three.
    {"Am7   X-------x-----..",
     "Fmaj7 X-------x-----..",
     "C6    X-------x-----..",
     "G9sus X-------x-----.."},
    // 1: off-beat skank.
    {"Am11  ..x...x...x...x.",
     "Dm7   ..x...x...x...x.",
     "Cadd9 ..x...x...x...x.",
     "Em11  ..x...x...x...x."},
    // 2: syncopated pushes.
    {"Am7   X--x--x---x-x-..",
     "Fadd9 X--x--x---x-x-..",
     "Am11  X--x--x---x-x-..",
     "G9sus X--x--x---x-x-.."},
    // 3: eighth-note pulse.
    {"Am7   X-o-x-o-x-o-x-o-",
     "Fmaj7 X-o-x-o-x-o-x-o-",
     "Cadd9 X-o-x-o-x-o-x-o-",
     "Em11  X-o-x-o-x-o-x-o-"},
}};

}  // namespace

constexpr ChordTable kChordPatterns = notation::BuildTable<ChordTable, kPitchedEventsPerBar>(
    kChordSource, [](std::string_view bar) { return notation::ParseChordBar<kPitchedEventsPerBar>(bar); });

}  // namespace pelta
