#include "pelta/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace pelta::sounds {

int Samples(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

float Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 2147483647.5 - 1.0);
}

double Noise::Between(double lo, double hi) { return lo + (hi - lo) * (Next() + 1.0) / 2.0; }

Filter::Out Filter::Step(float in, double cutoffHz, double q) {
    double g = std::tan(kPi * std::min(cutoffHz, 0.45 * kSampleRate) / kSampleRate);
    double k = 1.0 / q;
    double a1 = 1.0 / (1.0 + g * (g + k));
    double a2 = g * a1;
    double a3 = g * a2;
    double v3 = in - ic2_;
    double v1 = a1 * ic1_ + a2 * v3;
    double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(in - k * v1 - v2)};
}

void FadeEnds(Signal& s, double seconds) {
    int n = std::min<int>(Samples(seconds), static_cast<int>(s.size()) / 2);
    for (int i = 0; i < n; ++i) {
        float gain = static_cast<float>(i) / static_cast<float>(n);
        s[i] *= gain;
        s[s.size() - 1 - i] *= gain;
    }
}

void CloseLoop(Signal& s, int overlap) {
    int loop = static_cast<int>(s.size()) - overlap;
    for (int i = 0; i < overlap; ++i) {
        double angle = kPi / 2 * (i + 0.5) / overlap;
        s[i] = static_cast<float>(s[i] * std::sin(angle) + s[loop + i] * std::cos(angle));
    }
    s.resize(loop);
}

std::vector<std::int16_t> ToPcm16(const Signal& s, double peakDbfs) {
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::abs(v));
    double gain = peak > 0 ? std::pow(10.0, peakDbfs / 20) * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> out;
    out.reserve(s.size());
    for (float v : s) out.push_back(static_cast<std::int16_t>(std::lround(v * gain)));
    return out;
}

}  // namespace pelta::sounds
