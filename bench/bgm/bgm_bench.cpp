// BM_Tick: one player tick with the output's cost left out.
// BM_SynthMinute: one minute of music (after the drums-only opening) ticked and rendered by the
// game's FluidSynth output; cpu_share is the CPU time over the 60 s of audio, the share of one
// core the live synthesizer needs.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "common/midi/silent_midi_out.h"
#include "pelta/model/random.h"
#include "pelta/music/bgm_patterns.h"
#include "pelta/music/bgm_player.h"
#include "common/synth/fluidsynth_midi_out.h"

namespace {

constexpr int kTicksPerPhrase = pelta::kTicksPerBar * pelta::kBarsPerPhrase;
constexpr int kFramesPerTick = midi::kSynthSampleRate / 100;

void BM_Tick(benchmark::State& state) {
    midi::SilentMidiOut out;
    pelta::LcgRandom random(1);
    pelta::CBgmPlayer player(out, random);
    player.Start();
    for (auto _ : state) {
        player.Tick();
        benchmark::DoNotOptimize(player.State());
    }
}
BENCHMARK(BM_Tick);

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_SynthMinute(benchmark::State& state) {
    constexpr int kTicks = 6000;  // 60 s
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto synth = midi::FluidSynthMidiOut::CreateOffline(midi::FindSoundFont());
        if (!synth) {
            state.SkipWithError("no SoundFont");
            return;
        }
        pelta::LcgRandom random(static_cast<std::uint32_t>(state.iterations() + 1));
        pelta::CBgmPlayer player(*synth, random);
        player.Open(-1);
        player.Start();
        std::vector<std::int16_t> buffer(kFramesPerTick * 2);
        for (int i = 0; i < kTicksPerPhrase; ++i) {
            player.Tick();
            synth->Render(buffer);
        }
        state.ResumeTiming();
        double start = ProcessSeconds();
        for (int i = 0; i < kTicks; ++i) {
            player.Tick();
            synth->Render(buffer);
        }
        cpu += ProcessSeconds() - start;
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["cpu_share_percent"] = 100.0 * cpu / (60.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_SynthMinute)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    const char* usage = "usage: %s [--benchmark_OPTION=VALUE...]\n";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) std::printf(usage, argv[0]);
    }
    benchmark::Initialize(&argc, argv);  // lists the options and exits on --help
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        std::fprintf(stderr, usage, argv[0]);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
