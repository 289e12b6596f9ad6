#pragma once
// The mini-golf game's built-in resources, as the game finds them by name: the sprite sheet
// "MAPDAT" (an 8-bit bitmap file) and the sound effects "pon", "pon2", "cupin", "nice", "par"
// and "bogi" (WAVE files of one fixed layout). Link minigolf_resources.

#include "common/embedded/embedded.h"

DECLARE_EMBEDDED(mapdat)
DECLARE_EMBEDDED(pon)
DECLARE_EMBEDDED(pon2)
DECLARE_EMBEDDED(cupin)
DECLARE_EMBEDDED(nice)
DECLARE_EMBEDDED(par)
DECLARE_EMBEDDED(bogi)
