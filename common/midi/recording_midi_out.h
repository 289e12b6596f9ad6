#pragma once
// Test output: keeps every call in order so tests can check what the music sent.

#include <cstdint>
#include <vector>

#include "common/midi/midi_out.h"

namespace midi {

struct RecordedMidi {
    enum class Kind { Open, Short, Long, Close };
    Kind kind;
    std::uint32_t packed = 0;          // Short
    std::vector<std::uint8_t> bytes;   // Long
    int deviceId = 0;                  // Open
};

class RecordingMidiOut final : public MidiOut {
public:
    bool Open(int deviceId) override {
        calls.push_back({RecordedMidi::Kind::Open, 0, {}, deviceId});
        return true;
    }
    void SendShort(std::uint32_t packed) override {
        calls.push_back({RecordedMidi::Kind::Short, packed, {}, 0});
    }
    void SendLong(std::span<const std::uint8_t> bytes) override {
        calls.push_back({RecordedMidi::Kind::Long, 0, {bytes.begin(), bytes.end()}, 0});
    }
    void Close() override { calls.push_back({RecordedMidi::Kind::Close, 0, {}, 0}); }

    // The short messages alone, in order.
    std::vector<std::uint32_t> ShortMessages() const {
        std::vector<std::uint32_t> out;
        for (const RecordedMidi& c : calls)
            if (c.kind == RecordedMidi::Kind::Short) out.push_back(c.packed);
        return out;
    }

    std::vector<RecordedMidi> calls;
};

}  // namespace midi
