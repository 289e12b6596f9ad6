// Synthesises the mini-golf sound effects into FOLDER as NAME.wav, in the game's resource layout.

#include <filesystem>
#include <optional>
#include <string>

#include "minigolf/sounds/effects.h"
#include "minigolf/generated/generated_file.h"
#include "minigolf/sounds/wave_resource.h"

int main(int argc, char** argv) {
    int status = 0;
    const std::optional<std::string> folder = minigolf::OutputPath(
        argc, argv, "FOLDER\nSynthesises the mini-golf sound effects into FOLDER as NAME.wav.\n", status);
    if (!folder) {
        return status;
    }
    for (std::string_view name : minigolf::sounds::kEffectNames) {
        const auto path = std::filesystem::path(*folder) / (std::string(name) + ".wav");
        status = minigolf::WriteGeneratedFile(argv[0], path, [name] {
            return minigolf::sounds::EncodeWaveResource(minigolf::sounds::MakeEffect(name));
        });
        if (status != 0) {
            break;
        }
    }
    return status;
}
