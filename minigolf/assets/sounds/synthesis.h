#pragma once
// Building blocks for the mini-golf effects: struck resonances, tones whose brightness moves,
// and noise. Deterministic, so every build makes the same sounds.

#include <cstdint>
#include <functional>
#include <vector>

namespace minigolf::sounds {

// Samples at the game's rate, nominally within [-1, 1] before Finish.
using Sound = std::vector<double>;

// A decaying sine: a partial of something struck.
struct Mode {
    double hz;
    double level;
    double decaySeconds;  // time to fall to 1/e
};

// Adds a strike at `atSeconds` that rings in `modes`, with an attack of `attackSeconds`.
void Strike(Sound& sound, double atSeconds, double attackSeconds, std::initializer_list<Mode> modes, double gain = 1);

// Adds `seconds` of noise from `seed`, smoothed by a one-pole low-pass at `cutoffHz`, under an
// exponential decay of `decaySeconds`.
void NoiseBurst(Sound& sound, double atSeconds, double seconds, double cutoffHz, double decaySeconds,
                double gain, std::uint32_t seed);

// A note of harmonics whose pitch and brightness change over its length: `pitchHz(t)` and
// `brightness(t)` (0 dark … 1 bright) for t in seconds from the note's start; `envelope(t)` is
// its loudness.
struct Voice {
    std::function<double(double)> pitchHz;
    std::function<double(double)> brightness;
    std::function<double(double)> envelope;
};
void Play(Sound& sound, double atSeconds, double seconds, const Voice& voice);

// Cuts the quiet tail, fades both ends over `fadeSeconds` and scales the peak to `peakDbfs`.
std::vector<std::int16_t> Finish(Sound sound, double fadeSeconds, double peakDbfs);

}  // namespace minigolf::sounds
