#pragma once
// MIDI output through an in-process FluidSynth synthesizer playing a General MIDI SoundFont,
// either live on the audio device or rendered offline into a buffer. It mixes what it plays:
// drum kits level-matched and mapped to kits the SoundFont has, pan and reverb kept moderate.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "common/midi/midi_out.h"

typedef struct _fluid_synth_t fluid_synth_t;

namespace midi {

constexpr int kSynthSampleRate = 44100;

// The SoundFont to play: $COLLECTION_SOUNDFONT when set, else the system's default General MIDI
// SoundFont, else TimGM6mb. Empty when none of them exists.
std::string FindSoundFont();

class FluidSynthMidiOut final : public MidiOut {
public:
    // A synthesizer with `soundFont` loaded, for rendering offline with Render. Null, after one
    // line on stderr, when the SoundFont cannot be loaded.
    static std::unique_ptr<FluidSynthMidiOut> CreateOffline(const std::string& soundFont);
    // A synthesizer playing live on the audio device in periods of about 12 ms. Null, after one
    // line on stderr, when there is no audio device or the SoundFont cannot be loaded.
    static std::unique_ptr<FluidSynthMidiOut> CreateLive(const std::string& soundFont);
    ~FluidSynthMidiOut() override;

    // The next frames as interleaved stereo 16-bit samples (offline synthesizers only).
    void Render(std::span<std::int16_t> stereo);
    // Voices still sounding; 0 once every note has ended and died away.
    int ActiveVoices() const;
    // The synthesizer itself, for FluidSynth's own players.
    fluid_synth_t* Handle() const;

    // The synthesizer is the only device, ready since Create.
    bool Open(int deviceId) override;
    void SendShort(std::uint32_t packed) override;
    void SendLong(std::span<const std::uint8_t> bytes) override;
    void Close() override;

private:
    struct Synth;
    static std::unique_ptr<FluidSynthMidiOut> Create(const std::string& soundFont, bool live);
    explicit FluidSynthMidiOut(std::unique_ptr<Synth> synth);
    // Controllers and programs pass through the mix: moderate pan and reverb, drum kits the
    // SoundFont has, at one level.
    void Control(int channel, int controller, int value);
    void ProgramChange(int channel, int program);
    std::unique_ptr<Synth> synth_;
};

}  // namespace midi
