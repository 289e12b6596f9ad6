#pragma once
// Uncompressed PCM WAV files, as the games' sound generators and tools write them.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "common/files/replace_file.h"

namespace files {

struct PcmFormat {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;  // 16 (signed) or 8 (unsigned, as WAV stores it)
};

// The whole file: RIFF header, "fmt " and "data" chunks. `samples` are interleaved frames;
// for 8-bit files each sample keeps its top 8 bits.
std::string EncodeWav(const PcmFormat& format, std::span<const std::int16_t> samples);

// Encodes and writes the file in one piece (see ReplaceFile).
WriteResult WriteWav(const std::filesystem::path& path, const PcmFormat& format,
                     std::span<const std::int16_t> samples);

}  // namespace files
