#pragma once
// A program's MIDI output: FluidSynth on the audio device with the General MIDI SoundFont
// (FindSoundFont), or, after one line on stderr, silence when there is no SoundFont or no audio
// device, so the program runs on any machine.

#include <memory>

#include "common/midi/midi_out.h"

namespace midi {

std::unique_ptr<MidiOut> MakeMidiOut();

}  // namespace midi
