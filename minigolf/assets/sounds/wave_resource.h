#pragma once
// The game's sound resources: complete WAVE files in the one layout its loader relies on
// without reading chunk headers — an 18-byte "fmt " chunk whose format starts at byte 20
// (PCM, mono, 11025 Hz, 16 bits), a "fact" chunk, the data size at byte 54 and the samples
// from byte 58.

#include <cstdint>
#include <span>
#include <string>

namespace minigolf::sounds {

inline constexpr int kSampleRate = 11025;
inline constexpr std::size_t kFormatOffset = 20;
inline constexpr std::size_t kDataSizeOffset = 54;
inline constexpr std::size_t kSamplesOffset = 58;

std::string EncodeWaveResource(std::span<const std::int16_t> samples);

}  // namespace minigolf::sounds
