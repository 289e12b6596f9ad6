// Writes the batting game's four sound effects into the folder given as the only argument.

#include <cstdio>
#include <filesystem>
#include <vector>

#include "common/files/wav_writer.h"
#include "pelta/sounds/sound_designs.h"

namespace {

// About -3 dBFS at the loudest point: loud enough, with room left for the mixer.
constexpr double kPeakDbfs = -3.0;

}  // namespace

int main(int argc, char** argv) {
    using namespace pelta::sounds;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const struct {
        const char* name;
        Signal (*make)();
    } sounds[] = {
        {"pitch.wav", MakePitchWhoosh},
        {"hit.wav", MakeBatCrack},
        {"kara.wav", MakeSwingMiss},
        {"applause.wav", MakeApplause},
    };
    for (const auto& sound : sounds) {
        const std::vector<std::int16_t> samples = ToPcm16(sound.make(), kPeakDbfs);
        const files::WriteResult written = files::WriteWav(dir / sound.name, {1, kSampleRate, 16}, samples);
        if (!written) {
            std::fprintf(stderr, "%s\n", written.error.c_str());
            return 1;
        }
    }
    return 0;
}
