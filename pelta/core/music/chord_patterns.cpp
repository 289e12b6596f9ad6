// The four chord patterns: close voicings inside notes 60..69 over the bass's progression
// A | F or D | C or A | G. Each voicing also sounds right over the other root of its bar
// (Fmaj7 over D is Dm9, Am7 over C is C6), which lets every bass line meet every chord pattern.
// Each pattern colours the progression its own way, and its top voice moves between A, G and F.

#include <string_view>

#include "pelta/music/bgm_notation.h"
#include "pelta/music/bgm_patterns.h"

namespace pelta {
namespace {

using ChordSource = std::array<std::array<std::string_view, kPitchedBarsUsed>, kChordPatternCount>;
constexpr ChordSource kChordSource = {{
    // 0: sustained pads, struck again on beat three; top voice A A G G.
    {"Am7      X-------x-----..",
     "Fadd9    X-------x-----..",
     "Cadd9    X-------x-----..",
     "G7sus4   X-------x-----.."},
    // 1: off-beat skank; top voice G A A G.
    {"Am7add11 ..X...x...x...x.",
     "Dm7      ..X...x...x...x.",
     "Am7      ..X...x...x...x.",
     "G7sus4   ..X...x...X...o."},
    // 2: syncopated pushes; top voice A F G A.
    {"Am11     X--o--x---x-o-..",
     "Dm9      X--o--x---x-o-..",
     "Cadd9    X--o--x---x-o-..",
     "G6add9   X--o--x---X-x-.."},
    // 3: eighth-note pulse; top voice G F A G.
    {"Am7add11 X-o-x-o-x-o-x-o-",
     "Dm9      X-o-x-o-x-o-x-o-",
     "Am11     X-o-x-o-x-o-x-o-",
     "G7sus4   X-o-x-o-x-o-X-o-"},
}};

}  // namespace

constexpr ChordTable kChordPatterns = notation::BuildTable<ChordTable, kPitchedEventsPerBar>(
    kChordSource, [](std::string_view bar) { return notation::ParseChordBar<kPitchedEventsPerBar>(bar); });

}  // namespace pelta
