#pragma once
// The game's MIDI output: FluidSynth on the audio device with the General MIDI SoundFont
// (FindSoundFont), or, after one line on stderr, silence when there is no SoundFont or no audio
// device, so the game runs on any machine.

#include <memory>

#include "music/midi_out.h"

namespace pelta {

std::unique_ptr<MidiOut> MakeMidiOut();

}  // namespace pelta
