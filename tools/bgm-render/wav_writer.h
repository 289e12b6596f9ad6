#pragma once
// Writes 16-bit PCM WAV files.

#include <cstdint>
#include <span>
#include <string>

namespace bgm_render {

// False when the file cannot be written.
bool WriteWav(const std::string& path, std::span<const std::int16_t> interleaved, int channels, int sampleRate);

}  // namespace bgm_render
