#include "music/midi_out_factory.h"

#include "music/fluidsynth_midi_out.h"
#include "music/silent_midi_out.h"

namespace pelta {

std::unique_ptr<MidiOut> MakeMidiOut() {
    if (auto synth = FluidSynthMidiOut::CreateLive(FindSoundFont())) return synth;
    return std::make_unique<SilentMidiOut>();
}

}  // namespace pelta
