#pragma once
// The batting game's four sound effects, as mono signals at kSampleRate.

#include "pelta/sounds/synth.h"

namespace pelta::sounds {

Signal MakePitchWhoosh();   // "pitch.wav": the ball rushing away from the pitcher
Signal MakeBatCrack();      // "hit.wav": a bright crack, the bat's short high ring, a little thump
Signal MakeSwingMiss();     // "kara.wav": the bat swishing through empty air
Signal MakeApplause();      // "applause.wav": a crowd clapping, looped seamlessly

}  // namespace pelta::sounds
