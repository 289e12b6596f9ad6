// Writes the mini-golf background music, "music1.mid", to the given path.

#include <optional>
#include <string>

#include "minigolf/generated/generated_file.h"
#include "minigolf/music/smf.h"
#include "minigolf/music/tune.h"

int main(int argc, char** argv) {
    int status = 0;
    const std::optional<std::string> output = minigolf::OutputPath(
        argc, argv, "OUTPUT.mid\nWrites the mini-golf background tune as a Standard MIDI File.\n", status);
    if (!output) {
        return status;
    }
    return minigolf::WriteGeneratedFile(argv[0], *output,
                                        [] { return minigolf::music::EncodeSmf(minigolf::music::ArrangeTune()); });
}
