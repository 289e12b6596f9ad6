// Writes the mini-golf background music, "music1.mid", to the given path.

#include <cstdio>
#include <exception>

#include "files/replace_file.h"
#include "smf.h"
#include "tune.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.mid\n", argv[0]);
        return 2;
    }
    try {
        const files::WriteResult result =
            files::ReplaceFile(argv[1], minigolf::music::EncodeSmf(minigolf::music::ArrangeTune()));
        if (!result) {
            std::fprintf(stderr, "%s: %s\n", argv[0], result.error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
