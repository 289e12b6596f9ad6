#pragma once
// Writes mono 16-bit PCM WAV files.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelta::sounds {

bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace pelta::sounds
