#pragma once
// Standard MIDI File (format 1) from an arrangement: a tempo track, then one track per part.

#include <string>

#include "minigolf/music/tune.h"

namespace minigolf::music {

std::string EncodeSmf(const Arrangement& arrangement);

}  // namespace minigolf::music
