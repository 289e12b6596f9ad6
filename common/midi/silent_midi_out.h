#pragma once
// The output of a machine without sound: the music runs, nothing is heard.

#include "common/midi/midi_out.h"

namespace midi {

class SilentMidiOut final : public MidiOut {
public:
    bool Open(int) override { return true; }
    void SendShort(std::uint32_t) override {}
    void SendLong(std::span<const std::uint8_t>) override {}
    void Close() override {}
};

}  // namespace midi
