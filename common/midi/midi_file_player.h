#pragma once
// Background music from a Standard MIDI File, as a program's rules see it. The player has no
// loop of its own: the caller looks at IsPlaying in its frame loop and plays the piece again
// when it has ended. Back-ends: FluidSynth (synth), silent, recording.

#include <string>

namespace midi {

class MidiFilePlayer {
public:
    virtual ~MidiFilePlayer() = default;
    // Starts `path` from its beginning, ending whatever this player was playing. False when the
    // file is missing or no MIDI file; nothing plays then.
    virtual bool Play(const std::string& path) = 0;
    // Ends the piece and silences its notes; safe when nothing plays.
    virtual void Stop() = 0;
    // True from Play until the piece has ended (its last note has died away) or is stopped.
    virtual bool IsPlaying() const = 0;
};

// The player of a machine without sound: nothing is heard and nothing ever plays, so a caller
// that restarts ended music simply asks again.
class SilentMidiFilePlayer final : public MidiFilePlayer {
public:
    bool Play(const std::string&) override { return false; }
    void Stop() override {}
    bool IsPlaying() const override { return false; }
};

}  // namespace midi
