#include "wav_writer.h"

#include <fstream>

namespace bgm_render {
namespace {

void Put(std::ofstream& f, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) f.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteWav(const std::string& path, std::span<const std::int16_t> interleaved, int channels, int sampleRate) {
    std::ofstream f(path, std::ios::binary);
    auto dataBytes = static_cast<std::uint32_t>(interleaved.size() * 2);
    f.write("RIFF", 4);
    Put(f, 36 + dataBytes, 4);
    f.write("WAVEfmt ", 8);
    Put(f, 16, 4);
    Put(f, 1, 2);  // PCM
    Put(f, static_cast<std::uint32_t>(channels), 2);
    Put(f, static_cast<std::uint32_t>(sampleRate), 4);
    Put(f, static_cast<std::uint32_t>(sampleRate * channels * 2), 4);
    Put(f, static_cast<std::uint32_t>(channels * 2), 2);
    Put(f, 16, 2);
    f.write("data", 4);
    Put(f, dataBytes, 4);
    for (std::int16_t s : interleaved) Put(f, static_cast<std::uint16_t>(s), 2);
    return static_cast<bool>(f);
}

}  // namespace bgm_render
