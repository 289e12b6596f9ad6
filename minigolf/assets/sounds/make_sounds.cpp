// Synthesises the mini-golf sound effects into FOLDER as NAME.wav, in the game's resource layout.

#include <cstdio>
#include <filesystem>
#include <string>

#include "effects.h"
#include "files/replace_file.h"
#include "wave_resource.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (std::string_view name : minigolf::sounds::kEffectNames) {
        const auto path = std::filesystem::path(argv[1]) / (std::string(name) + ".wav");
        const files::WriteResult result =
            files::ReplaceFile(path, minigolf::sounds::EncodeWaveResource(minigolf::sounds::MakeEffect(name)));
        if (!result) {
            std::fprintf(stderr, "%s: %s\n", argv[0], result.error.c_str());
            return 1;
        }
    }
    return 0;
}
