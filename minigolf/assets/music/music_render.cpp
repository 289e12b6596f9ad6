// Developer tool: plays a MIDI file through FluidSynth into a WAV file, looping it as the game
// does, and reports what to check by ear: peak level, clipped samples and the longest silence.

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/files/wav_writer.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 512;
constexpr int kQuiet = 64;  // about -54 dBFS

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: minigolf_music_render [--soundfont FILE] [--loops N] MUSIC.mid OUT.wav\n"
                 "Plays MUSIC.mid N times in a row (default 2) with the SoundFont (default\n"
                 "/usr/share/sounds/sf2/default-GM.sf2) and writes the stereo result; prints the\n"
                 "peak, clipped samples and the longest silence, seam included.\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::string soundFont = "/usr/share/sounds/sf2/default-GM.sf2";
    int loops = 2;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            PrintUsage(stdout);
            return 0;
        } else if (arg == "--soundfont" && i + 1 < argc) {
            soundFont = argv[++i];
        } else if (arg == "--loops" && i + 1 < argc) {
            loops = std::atoi(argv[++i]);
        } else if (arg.starts_with("-")) {
            PrintUsage(stderr);
            return 2;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2 || loops < 1) {
        PrintUsage(stderr);
        return 2;
    }
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    // Rendering runs faster than real time: the player must count samples, not the clock.
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    int status = 1;
    if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        std::fprintf(stderr, "minigolf_music_render: cannot load %s\n", soundFont.c_str());
    } else if (fluid_player_add(player, paths[0].c_str()) != FLUID_OK) {
        std::fprintf(stderr, "minigolf_music_render: cannot read %s\n", paths[0].c_str());
    } else {
        fluid_player_set_loop(player, loops);
        fluid_player_play(player);
        std::vector<std::int16_t> audio;
        std::vector<std::int16_t> block(2 * kBlock);
        int tailBlocks = kRate / kBlock;  // a second after the end, for the last notes' release
        while (tailBlocks > 0) {
            if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING) {
                --tailBlocks;
            }
            fluid_synth_write_s16(synth, kBlock, block.data(), 0, 2, block.data(), 1, 2);
            audio.insert(audio.end(), block.begin(), block.end());
        }
        int peak = 0;
        long clipped = 0;
        std::size_t run = 0;
        std::size_t longest = 0;
        std::size_t firstSound = audio.size();
        for (std::size_t i = 0; i < audio.size(); ++i) {
            const int v = std::abs(static_cast<int>(audio[i]));
            peak = std::max(peak, v);
            clipped += v >= 32767 ? 1 : 0;
            if (v >= kQuiet && firstSound == audio.size()) {
                firstSound = i;
            }
            // Only silences that sound ends count: the quiet after the last loop is not music.
            if (v >= kQuiet) {
                longest = std::max(longest, run);
                run = 0;
            } else if (i > firstSound) {
                ++run;
            }
        }
        std::printf("length %.1f s, peak %.1f dBFS, %ld clipped samples, longest silence %.3f s\n",
                    static_cast<double>(audio.size()) / 2 / kRate, 20 * std::log10(std::max(peak, 1) / 32768.0),
                    clipped, static_cast<double>(longest) / 2 / kRate);
        const files::WriteResult written = files::WriteWav(paths[1], {2, kRate, 16}, audio);
        status = written ? 0 : 1;
        if (!written) {
            std::fprintf(stderr, "minigolf_music_render: %s\n", written.error.c_str());
        }
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return status;
}
