// bgm-render OUT.wav [PHRASES] [SEED]
// Plays PHRASES eight-bar phrases (default 8) of the batting game's music from a fixed seed
// (default 1) through the same FluidSynth output the game uses, ticking every 10 ms of audio,
// and writes them to a WAV file. The SoundFont is chosen as in the game ($COLLECTION_SOUNDFONT).
// Prints each phrase's choices and the checks worth making by ear: peak level, clipped
// samples, the longest silence after the drums-only opening, and voices left after Stop.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "pelta/model/random.h"
#include "pelta/music/bgm_patterns.h"
#include "pelta/music/bgm_player.h"
#include "common/synth/fluidsynth_midi_out.h"
#include "tools/command-line/command_line.h"
#include "common/files/wav_writer.h"

namespace {

constexpr int kFramesPerTick = midi::kSynthSampleRate / 100;
constexpr int kTicksPerPhrase = pelta::kTicksPerBar * pelta::kBarsPerPhrase;
constexpr double kTailSeconds = 3.0;
constexpr int kSilenceThreshold = 64;  // about -54 dBFS

struct Levels {
    int peak = 0;
    long clipped = 0;
    double longestSilence = 0;  // seconds, within [from, to)
};

Levels Measure(const std::vector<std::int16_t>& audio, std::size_t from, std::size_t to) {
    Levels levels;
    std::size_t quietRun = 0, longest = 0;
    for (std::size_t i = 0; i < audio.size(); ++i) {
        int v = std::abs(static_cast<int>(audio[i]));
        levels.peak = std::max(levels.peak, v);
        levels.clipped += v >= 32767;
        if (i < from || i >= to) continue;
        quietRun = v < kSilenceThreshold ? quietRun + 1 : 0;
        longest = std::max(longest, quietRun);
    }
    levels.longestSilence = static_cast<double>(longest) / 2 / midi::kSynthSampleRate;
    return levels;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "OUT.wav [PHRASES] [SEED]\n"
        "Renders PHRASES eight-bar phrases (default 8) of the batting game's music from SEED\n"
        "(default 1) through FluidSynth into OUT.wav, and prints levels worth checking by ear.",
        1, 3);
    const std::string outPath = args[0];
    const int phrases = args.size() > 1 ? std::atoi(args[1].c_str()) : 8;
    const auto seed = static_cast<std::uint32_t>(args.size() > 2 ? std::strtoul(args[2].c_str(), nullptr, 10) : 1);
    if (phrases < 1) {
        std::fprintf(stderr, "PHRASES must be at least 1\n");
        return 2;
    }

    const std::string soundFont = midi::FindSoundFont();
    auto synth = midi::FluidSynthMidiOut::CreateOffline(soundFont);
    if (!synth) return 1;
    std::printf("SoundFont %s, %d phrases, seed %u\n", soundFont.c_str(), phrases, seed);

    pelta::LcgRandom random(seed);
    pelta::CBgmPlayer player(*synth, random);
    player.Open(-1);
    player.Start();

    std::vector<std::int16_t> audio;
    auto render = [&](int frames) {
        std::size_t at = audio.size();
        audio.resize(at + static_cast<std::size_t>(frames) * 2);
        synth->Render(std::span(audio).subspan(at));
    };
    for (int tick = 0; tick < phrases * kTicksPerPhrase; ++tick) {
        if (tick % kTicksPerPhrase == 0) {
            const pelta::BgmState& s = player.State();
            std::printf("phrase %2d  drums %d  bass %s  chords %s  transpose %+d\n", tick / kTicksPerPhrase,
                        s.drumPattern,
                        s.bassPattern < pelta::kSilentBass ? std::to_string(s.bassPattern).c_str() : "-",
                        s.chordPattern < pelta::kSilentChords ? std::to_string(s.chordPattern).c_str() : "-",
                        s.transpose);
        }
        player.Tick();
        render(kFramesPerTick);
    }
    player.Stop();
    const std::size_t musicEnd = audio.size();
    render(static_cast<int>(kTailSeconds * midi::kSynthSampleRate));

    Levels levels = Measure(audio, static_cast<std::size_t>(kTicksPerPhrase) * kFramesPerTick * 2, musicEnd);
    std::printf("peak %.1f dBFS, %ld clipped samples, longest silence after the opening %.2f s, "
                "%d voices left %.0f s after Stop\n",
                20 * std::log10(std::max(levels.peak, 1) / 32768.0), levels.clipped, levels.longestSilence,
                synth->ActiveVoices(), kTailSeconds);
    if (const files::WriteResult written = files::WriteWav(outPath, {2, midi::kSynthSampleRate, 16}, audio); !written) {
        std::fprintf(stderr, "%s\n", written.error.c_str());
        return 1;
    }
    return 0;
}
