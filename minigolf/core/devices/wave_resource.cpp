#include "minigolf/devices/wave_resource.h"

#include <algorithm>
#include <string_view>

namespace minigolf {
namespace {

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool TagAt(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    return std::equal(tag.begin(), tag.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

constexpr std::uint16_t kPcm = 1;
constexpr std::uint32_t kFormatSize = 18;
constexpr std::uint32_t kFactSize = 4;

}  // namespace

std::optional<WaveResource> ReadWaveResource(std::span<const std::uint8_t> b) {
    if (b.size() < kWaveSamplesAt) return std::nullopt;
    if (!TagAt(b, 0, "RIFF") || !TagAt(b, 8, "WAVE") || !TagAt(b, 12, "fmt ") || U32(b, 16) != kFormatSize) {
        return std::nullopt;
    }
    const std::size_t f = kWaveFormatAt;
    const std::uint16_t blockAlign = kEffectChannels * kEffectBitsPerSample / 8;
    if (U16(b, f) != kPcm || U16(b, f + 2) != kEffectChannels || U32(b, f + 4) != kEffectSampleRate ||
        U32(b, f + 8) != kEffectSampleRate * blockAlign || U16(b, f + 12) != blockAlign ||
        U16(b, f + 14) != kEffectBitsPerSample) {
        return std::nullopt;
    }
    if (!TagAt(b, 38, "fact") || U32(b, 42) != kFactSize || !TagAt(b, 50, "data")) return std::nullopt;
    const std::uint32_t dataSize = U32(b, kWaveDataSizeAt);
    if (dataSize % blockAlign != 0 || dataSize > b.size() - kWaveSamplesAt) return std::nullopt;
    return WaveResource{.samples = b.subspan(kWaveSamplesAt, dataSize)};
}

}  // namespace minigolf
