#include "common/files/wav_writer.h"

#include <stdexcept>

#include "common/files/little_endian.h"

namespace files {

std::string EncodeWav(const PcmFormat& format, std::span<const std::int16_t> samples) {
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        throw std::invalid_argument("WAV samples are 8 or 16 bits");
    }
    const auto bytesPerSample = static_cast<std::uint32_t>(format.bitsPerSample / 8);
    const auto channels = static_cast<std::uint32_t>(format.channels);
    const auto rate = static_cast<std::uint32_t>(format.sampleRate);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;

    std::string out;
    out.reserve(44 + dataBytes + 1);
    out += "RIFF";
    PutLe(out, 36 + dataBytes + dataBytes % 2, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);  // format chunk size
    PutLe(out, 1, 2);   // PCM
    PutLe(out, channels, 2);
    PutLe(out, rate, 4);
    PutLe(out, rate * channels * bytesPerSample, 4);  // bytes per second
    PutLe(out, channels * bytesPerSample, 2);         // bytes per frame
    PutLe(out, static_cast<std::uint32_t>(format.bitsPerSample), 2);
    out += "data";
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples) {
        if (bytesPerSample == 2) {
            PutLe(out, static_cast<std::uint16_t>(s), 2);
        } else {
            out.push_back(static_cast<char>((s >> 8) + 128));
        }
    }
    if (dataBytes % 2) out.push_back('\0');  // chunks are padded to an even length
    return out;
}

WriteResult WriteWav(const std::filesystem::path& path, const PcmFormat& format,
                     std::span<const std::int16_t> samples) {
    return ReplaceFile(path, EncodeWav(format, samples));
}

}  // namespace files
