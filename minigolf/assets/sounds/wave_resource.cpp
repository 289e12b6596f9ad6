#include "minigolf/sounds/wave_resource.h"

#include "common/files/little_endian.h"

namespace minigolf::sounds {

std::string EncodeWaveResource(std::span<const std::int16_t> samples) {
    constexpr int kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::string out = "RIFF";
    files::PutLe(out, static_cast<std::uint32_t>(kSamplesOffset - 8) + dataBytes, 4);
    out += "WAVEfmt ";
    files::PutLe(out, 18, 4);
    files::PutLe(out, 1, 2);  // PCM
    files::PutLe(out, 1, 2);  // mono
    files::PutLe(out, kSampleRate, 4);
    files::PutLe(out, kSampleRate * kBytesPerSample, 4);
    files::PutLe(out, kBytesPerSample, 2);  // block alignment
    files::PutLe(out, 16, 2);
    files::PutLe(out, 0, 2);  // no format extension
    out += "fact";
    files::PutLe(out, 4, 4);
    files::PutLe(out, static_cast<std::uint32_t>(samples.size()), 4);
    out += "data";
    files::PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples) {
        files::PutLe(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

}  // namespace minigolf::sounds
