#pragma once
// Standard MIDI Files played by FluidSynth's own sequencer on a FluidSynthMidiOut, live or
// offline: an offline synthesizer advances the piece as it renders.

#include <memory>
#include <string>

#include "common/midi/midi_file_player.h"
#include "common/synth/fluidsynth_midi_out.h"

namespace midi {

class FluidSynthFilePlayer final : public MidiFilePlayer {
public:
    // `synth` must outlive the player.
    explicit FluidSynthFilePlayer(FluidSynthMidiOut& synth);
    ~FluidSynthFilePlayer() override;
    FluidSynthFilePlayer(const FluidSynthFilePlayer&) = delete;
    FluidSynthFilePlayer& operator=(const FluidSynthFilePlayer&) = delete;

    bool Play(const std::string& path) override;
    void Stop() override;
    bool IsPlaying() const override;

private:
    struct Sequencer;
    FluidSynthMidiOut& synth_;
    std::unique_ptr<Sequencer> sequencer_;
};

// The music player a program opens: FluidSynth on the audio device with the General MIDI
// SoundFont (FindSoundFont), or, after one line on stderr, silence.
std::unique_ptr<MidiFilePlayer> MakeMidiFilePlayer();

}  // namespace midi
