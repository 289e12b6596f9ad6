#pragma once
// A program's MIDI output, in the shape of the classic device calls: open a device, send packed
// short messages, send long (SysEx) messages, close. Back-ends: FluidSynth, silent, recording.

#include <cstdint>
#include <span>

namespace midi {

// A short message as one word: status in the lowest byte, then the two data bytes.
constexpr std::uint32_t PackShortMessage(int status, int data1, int data2) {
    return (static_cast<std::uint32_t>(status) & 0xFFu) |
           ((static_cast<std::uint32_t>(data1) & 0xFFu) << 8) |
           ((static_cast<std::uint32_t>(data2) & 0xFFu) << 16);
}
constexpr int ShortStatus(std::uint32_t packed) { return static_cast<int>(packed & 0xFFu); }
constexpr int ShortData1(std::uint32_t packed) { return static_cast<int>((packed >> 8) & 0xFFu); }
constexpr int ShortData2(std::uint32_t packed) { return static_cast<int>((packed >> 16) & 0xFFu); }

class MidiOut {
public:
    virtual ~MidiOut() = default;
    // deviceId -1 is the default output. False when the device cannot be used; messages sent
    // afterwards are then dropped.
    virtual bool Open(int deviceId) = 0;
    virtual void SendShort(std::uint32_t packed) = 0;
    // A whole SysEx message, F0 and F7 included.
    virtual void SendLong(std::span<const std::uint8_t> bytes) = 0;
    virtual void Close() = 0;
};

}  // namespace midi
