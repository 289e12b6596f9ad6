#include "minigolf/devices/wave_resource.h"

#include <algorithm>
#include <string_view>

#include "minigolf/files/little_endian.h"

namespace minigolf {
namespace {

bool TagAt(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    return std::equal(tag.begin(), tag.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

constexpr std::uint16_t kPcm = 1;
constexpr std::uint32_t kFormatSize = 18;
constexpr std::uint32_t kFactSize = 4;

}  // namespace

std::optional<WaveResource> ReadWaveResource(std::span<const std::uint8_t> b) {
    if (b.size() < kWaveSamplesAt) return std::nullopt;
    if (!TagAt(b, 0, "RIFF") || !TagAt(b, 8, "WAVE") || !TagAt(b, 12, "fmt ") || ReadU32(b, 16) != kFormatSize) {
        return std::nullopt;
    }
    const std::size_t f = kWaveFormatAt;
    const std::uint16_t blockAlign = kEffectChannels * kEffectBitsPerSample / 8;
    if (ReadU16(b, f) != kPcm || ReadU16(b, f + 2) != kEffectChannels || ReadU32(b, f + 4) != kEffectSampleRate ||
        ReadU32(b, f + 8) != kEffectSampleRate * blockAlign || ReadU16(b, f + 12) != blockAlign ||
        ReadU16(b, f + 14) != kEffectBitsPerSample) {
        return std::nullopt;
    }
    if (!TagAt(b, 38, "fact") || ReadU32(b, 42) != kFactSize || !TagAt(b, 50, "data")) return std::nullopt;
    const std::uint32_t dataSize = ReadU32(b, kWaveDataSizeAt);
    if (dataSize % blockAlign != 0 || dataSize > b.size() - kWaveSamplesAt) return std::nullopt;
    return WaveResource{.samples = b.subspan(kWaveSamplesAt, dataSize)};
}

}  // namespace minigolf
