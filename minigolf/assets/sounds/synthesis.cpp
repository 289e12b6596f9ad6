#include "minigolf/sounds/synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "minigolf/sounds/wave_resource.h"

namespace minigolf::sounds {
namespace {

std::size_t SampleAt(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

// Makes room for `count` samples from `first`. Both are rounded on their own, so their sum can
// pass the rounded end time by one sample.
void Reserve(Sound& sound, std::size_t first, std::size_t count) {
    sound.resize(std::max(sound.size(), first + count), 0.0);
}

}  // namespace

void Strike(Sound& sound, double atSeconds, double attackSeconds, std::initializer_list<Mode> modes, double gain) {
    double longest = 0;
    for (const Mode& m : modes) {
        longest = std::max(longest, m.decaySeconds);
    }
    const double length = attackSeconds + 7 * longest;  // 7 decay times: below -60 dB
    const std::size_t first = SampleAt(atSeconds);
    Reserve(sound, first, SampleAt(length));
    for (std::size_t i = 0; i < SampleAt(length); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = attackSeconds > 0 ? std::min(1.0, t / attackSeconds) : 1.0;
        double v = 0;
        for (const Mode& m : modes) {
            if (m.hz >= kSampleRate / 2.0) {
                continue;  // it would fold back as a wrong, lower tone
            }
            v += m.level * std::exp(-t / m.decaySeconds) * std::sin(2 * std::numbers::pi * m.hz * t);
        }
        sound[first + i] += gain * attack * v;
    }
}

void NoiseBurst(Sound& sound, double atSeconds, double seconds, double cutoffHz, double decaySeconds,
                double gain, std::uint32_t seed) {
    const double smoothing = 1 - std::exp(-2 * std::numbers::pi * cutoffHz / kSampleRate);
    std::uint32_t state = seed ? seed : 1;
    double low = 0;
    const std::size_t first = SampleAt(atSeconds);
    Reserve(sound, first, SampleAt(seconds));
    for (std::size_t i = 0; i < SampleAt(seconds); ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = static_cast<double>(state) / 2147483648.0 - 1.0;
        low += smoothing * (white - low);
        sound[first + i] += gain * low * std::exp(-static_cast<double>(i) / kSampleRate / decaySeconds);
    }
}

void Play(Sound& sound, double atSeconds, double seconds, const Voice& voice) {
    const std::size_t first = SampleAt(atSeconds);
    Reserve(sound, first, SampleAt(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < SampleAt(seconds); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = voice.pitchHz(t);
        // Harmonics fall off faster when the voice is dark, and fade out before the rate's
        // limit so that a sliding pitch does not switch them on and off.
        const double rolloff = 0.25 + 2.5 * std::clamp(voice.brightness(t), 0.0, 1.0);
        constexpr double kTopHz = kSampleRate / 2.0 - 500;
        constexpr double kTaperHz = 1500;
        double v = 0;
        for (int k = 1; k * hz < kTopHz; ++k) {
            const double taper = std::min(1.0, (kTopHz - k * hz) / kTaperHz);
            v += taper * std::sin(k * phase) * std::pow(static_cast<double>(k), -(3.0 - rolloff));
        }
        sound[first + i] += voice.envelope(t) * v;
        phase += 2 * std::numbers::pi * hz / kSampleRate;
    }
}

std::vector<std::int16_t> Finish(Sound sound, double fadeSeconds, double peakDbfs) {
    const auto Peak = [&sound] {
        double peak = 0;
        for (double v : sound) {
            peak = std::max(peak, std::abs(v));
        }
        return peak;
    };
    const double loudest = Peak();
    if (loudest == 0) {
        return std::vector<std::int16_t>(sound.size(), 0);
    }
    // Everything after the last sample above -42 dB of the peak is lost under the game anyway.
    std::size_t end = sound.size();
    while (end > 0 && std::abs(sound[end - 1]) < loudest * 0.008) {
        --end;
    }
    sound.resize(end);
    const std::size_t fade = std::min(SampleAt(fadeSeconds), sound.size() / 2);
    for (std::size_t i = 0; i < fade; ++i) {
        const double ramp = static_cast<double>(i) / static_cast<double>(fade);
        sound[i] *= ramp;
        sound[sound.size() - 1 - i] *= ramp;
    }
    const double scale = 32767.0 * std::pow(10.0, peakDbfs / 20.0) / Peak();
    std::vector<std::int16_t> pcm;
    pcm.reserve(sound.size());
    for (double v : sound) {
        pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v * scale, -32768.0, 32767.0))));
    }
    return pcm;
}

}  // namespace minigolf::sounds
