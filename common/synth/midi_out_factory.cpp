#include "common/synth/midi_out_factory.h"

#include "common/midi/silent_midi_out.h"
#include "common/synth/fluidsynth_midi_out.h"

namespace midi {

std::unique_ptr<MidiOut> MakeMidiOut() {
    if (auto synth = FluidSynthMidiOut::CreateLive(FindSoundFont())) return synth;
    return std::make_unique<SilentMidiOut>();
}

}  // namespace midi
