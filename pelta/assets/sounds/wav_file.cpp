#include "wav_file.h"

#include <fstream>

namespace pelta::sounds {
namespace {

void Put(std::ofstream& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(v >> (8 * i)));
}

}  // namespace

bool WriteWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    Put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    Put(out, 16, 4);        // format chunk size
    Put(out, 1, 2);         // PCM
    Put(out, 1, 2);         // mono
    Put(out, rate, 4);
    Put(out, rate * 2, 4);  // bytes per second
    Put(out, 2, 2);         // bytes per frame
    Put(out, 16, 2);        // bits per sample
    out << "data";
    Put(out, dataBytes, 4);
    for (std::int16_t v : samples) Put(out, static_cast<std::uint16_t>(v), 2);
    out.close();
    return static_cast<bool>(out);
}

}  // namespace pelta::sounds
