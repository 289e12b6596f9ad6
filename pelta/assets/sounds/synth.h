#pragma once
// Small building blocks for the batting game's sound effects: noise, a resonant filter and
// envelopes. Everything is deterministic so that every build makes the same files.

#include <cstdint>
#include <vector>

namespace pelta::sounds {

inline constexpr int kSampleRate = 22050;
inline constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

int Samples(double seconds);

// White noise in [-1, 1] from a fixed seed (xorshift32).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    float Next();
    // Uniform in [lo, hi).
    double Between(double lo, double hi);

private:
    std::uint32_t state_;
};

// A two-pole state-variable filter (trapezoidal form) whose cutoff may change every sample.
class Filter {
public:
    struct Out {
        float low, band, high;
    };
    Out Step(float in, double cutoffHz, double q);

private:
    double ic1_ = 0, ic2_ = 0;
};

// Linear ramps over the first and last `seconds`, so the sound starts and ends without a click.
void FadeEnds(Signal& s, double seconds);

// Makes a sound that repeats without a seam: the `overlap` samples after the loop's end are
// blended (equal power) into its start, so the last sample leads into the first as it did in
// the rendering. `s` holds the loop plus the overlap; the overlap is removed.
void CloseLoop(Signal& s, int overlap);

// 16-bit samples with the peak at `peakDbfs`.
std::vector<std::int16_t> ToPcm16(const Signal& s, double peakDbfs);

}  // namespace pelta::sounds
