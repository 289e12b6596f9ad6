#pragma once
// The effects' stored form: a RIFF WAVE file in one fixed layout that is read by position, not
// parsed chunk by chunk.

#include <cstdint>
#include <optional>
#include <span>

namespace minigolf {

inline constexpr std::uint32_t kEffectSampleRate = 11025;
inline constexpr std::uint16_t kEffectChannels = 1;
inline constexpr std::uint16_t kEffectBitsPerSample = 16;

// Byte positions of the fixed layout.
inline constexpr std::size_t kWaveFormatAt = 20;     // 18-byte format record
inline constexpr std::size_t kWaveDataSizeAt = 54;   // uint32
inline constexpr std::size_t kWaveSamplesAt = 58;

struct WaveResource {
    std::uint32_t sampleRate = kEffectSampleRate;
    std::uint16_t channels = kEffectChannels;
    std::uint16_t bitsPerSample = kEffectBitsPerSample;
    // Little-endian signed 16-bit samples, borrowed from the resource's bytes.
    std::span<const std::uint8_t> samples;
};

// Nothing unless the bytes are exactly that layout: "RIFF" … "WAVE", an 18-byte "fmt " record of
// PCM mono 11025 Hz 16 bits at 20, a "fact" chunk, "data" at 50 with its size at 54 and that
// many bytes of samples from 58.
std::optional<WaveResource> ReadWaveResource(std::span<const std::uint8_t> bytes);

}  // namespace minigolf
