#pragma once
// Endless background music assembled live from the drum, bass and chord pattern tables: every
// eight bars the patterns, the transposition and the instruments are drawn anew. The player has
// no clock of its own; the game calls Tick once per 10 ms frame.

#include <cstdint>

#include "common/midi/midi_out.h"
#include "pelta/music/background_music.h"

namespace pelta {

class Random;

constexpr int kSilentBass = 7;     // bassPattern at or above this: no bass
constexpr int kSilentChords = 4;   // chordPattern at or above this: no chords

// The player's state, in the engine's order.
struct BgmState {
    std::int32_t enabled = 1;      // the "BGM Sound" setting
    std::int32_t playing = 0;
    std::int32_t transpose = 0;    // semitones for bass and chords, -6..+5
    std::int32_t tick = 0;         // within the bar, 0..191
    std::int32_t bar = 0;          // within the phrase, 0..7
    std::int32_t drumIndex = 0;    // next event of the current bar, per part
    std::int32_t drumPattern = 0;
    std::int32_t bassIndex = 0;
    std::int32_t bassPattern = kSilentBass;
    std::int32_t chordIndex = 0;
    std::int32_t chordPattern = kSilentChords;

    bool operator==(const BgmState&) const = default;
};

// A table velocity plus a random spread, as the synthesizer receives it: the sum taken as an
// unsigned byte, anything above 127 sent as 127. A sum below zero wraps and so also becomes 127;
// kept deliberately, the shipped tables never come near it.
std::uint8_t SpreadVelocity(int velocity, int spread);

class CBgmPlayer final : public BackgroundMusic {
public:
    // Both must outlive the player. `random` is the game's r(n) source; the draws follow a fixed
    // order so that a seed replays the same music.
    CBgmPlayer(midi::MidiOut& out, Random& random);

    // Opens the output (deviceId -1: the default) and puts the synthesizer in General MIDI mode.
    // The open result is not checked: without a device the music simply goes unheard. Returns 1.
    int Open(int deviceId);
    void Close();

    void Start() override;
    void Stop() override;
    void Resume() override;
    void Tick() override;

    void SetEnabled(bool on) override { state_.enabled = on ? 1 : 0; }
    bool IsEnabled() const override { return state_.enabled != 0; }
    const BgmState& State() const { return state_; }

private:
    void SendShort(int status, int data1, int data2);
    void ProgramChange(int channel, int program);
    void ControlChange(int channel, int controller, int value);
    void PlayDrums();
    void PlayBass();
    void PlayChords();
    void EndBar();

    midi::MidiOut& out_;
    Random& random_;
    // Before any Start the state is Start's without its draws (drum pattern 0, bass and chords
    // silent, no transposition), so a Resume then plays the usual drums-only opening in range.
    BgmState state_;
};

}  // namespace pelta
