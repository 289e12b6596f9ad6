#include "pelta/sounds/sound_designs.h"

#include <algorithm>
#include <cmath>

namespace pelta::sounds {
namespace {

constexpr double kEdgeFade = 0.004;

double Seconds(int i) { return static_cast<double>(i) / kSampleRate; }

// Rises as a square to its peak at `peak`, then dies away exponentially with time constant `decay`.
double SwellEnvelope(double t, double peak, double decay) {
    return t < peak ? (t / peak) * (t / peak) : std::exp(-(t - peak) / decay);
}

}  // namespace

Signal MakePitchWhoosh() {
    constexpr double kLength = 0.42, kPeak = 0.16, kDecay = 0.07;
    Noise noise(0x5EED0001);
    Filter band, body;
    Signal s(Samples(kLength));
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        double t = Seconds(i);
        double env = SwellEnvelope(t, kPeak, kDecay);
        // The pitch of the rush follows its loudness, like air passing close by.
        double cutoff = 350 + 1300 * env;
        float n = noise.Next();
        s[i] = static_cast<float>(env * (band.Step(n, cutoff, 1.4).band + 0.5 * body.Step(n, cutoff * 0.5, 0.7).low));
    }
    FadeEnds(s, kEdgeFade);
    return s;
}

Signal MakeBatCrack() {
    constexpr double kLength = 0.16;
    // The crack: a burst of noise spread over 2..6 kHz, rising in a fifth of a millisecond and
    // gone within a few.
    constexpr double kCrackRise = 0.0002, kCrackDecay = 0.0018;
    // The ring: the bat's higher modes, all above 1 kHz and short-lived.
    struct Mode {
        double hz, level, decay;
    };
    constexpr Mode kModes[] = {{1180, 0.22, 0.026}, {2070, 0.35, 0.016}, {3150, 0.35, 0.011}, {4400, 0.25, 0.007}};
    // A little low weight: the ball's thump, over in a few hundredths of a second.
    constexpr double kThumpHz = 170, kThumpLevel = 0.3, kThumpDecay = 0.014;
    Noise noise(0x5EED0002);
    Filter lowerCrack, upperCrack;
    Signal s(Samples(kLength));
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        double t = Seconds(i);
        float n = noise.Next();
        double crack = (1 - std::exp(-t / kCrackRise)) * std::exp(-t / kCrackDecay);
        double v = 6.0 * crack * (lowerCrack.Step(n, 2700, 1.1).band + upperCrack.Step(n, 4600, 1.1).band);
        for (const Mode& m : kModes) v += m.level * std::exp(-t / m.decay) * std::sin(2 * kPi * m.hz * t);
        v += kThumpLevel * std::exp(-t / kThumpDecay) * std::sin(2 * kPi * kThumpHz * t);
        s[i] = static_cast<float>(v);
    }
    // No fade-in: every part starts from zero, and the crack's edge is the point.
    int tail = Samples(kEdgeFade);
    for (int i = 0; i < tail; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / tail;
    return s;
}

Signal MakeSwingMiss() {
    constexpr double kLength = 0.3, kPeak = 0.07, kDecay = 0.05;
    // The sweep and the air hiss come from separate noises: filtered from one, they would cancel
    // wherever their phases oppose, a notch that drifts with the sweep and sounds like phasing.
    Noise sweepNoise(0x5EED0003), airNoise(0x5EED0005);
    Filter band, air;
    Signal s(Samples(kLength));
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        double t = Seconds(i);
        double env = SwellEnvelope(t, kPeak, kDecay);
        // A falling sweep: the bat passes fast and high, then slows as it follows through.
        double cutoff = 700 + 2600 * std::exp(-t / 0.09);
        s[i] = static_cast<float>(env * (band.Step(sweepNoise.Next(), cutoff, 2.2).band +
                                         0.35 * air.Step(airNoise.Next(), 4500, 0.7).high));
    }
    FadeEnds(s, kEdgeFade);
    return s;
}

Signal MakeApplause() {
    constexpr double kLoop = 4.0, kOverlap = 0.3;
    constexpr double kClapsPerSecond = 150, kClapLength = 0.06;
    Noise noise(0x5EED0004);
    Signal s(Samples(kLoop + kOverlap));
    const int total = static_cast<int>(s.size());

    // Many hands at random moments, each clap a short burst with its own colour.
    for (double t = 0;;) {
        t += -std::log(1.0 - noise.Between(0.0, 0.999)) / kClapsPerSecond;
        int start = Samples(t);
        if (start >= total) break;
        double level = noise.Between(0.25, 1.0);
        double hz = noise.Between(800, 2600);
        double q = noise.Between(1.0, 2.5);
        double decay = noise.Between(0.004, 0.012);
        Filter f;
        int end = std::min(total, start + Samples(kClapLength));
        for (int i = start; i < end; ++i) {
            double ti = Seconds(i - start);
            double env = std::min(1.0, ti / 0.0005) * std::exp(-ti / decay);
            s[i] += static_cast<float>(level * env * f.Step(noise.Next(), hz, q).band);
        }
    }
    // The crowd's murmur under the claps.
    Filter murmur;
    for (int i = 0; i < total; ++i) s[i] += 0.15f * murmur.Step(noise.Next(), 500, 0.8).band;
    // Soft saturation evens out the loudest claps so the texture can sit near full level.
    for (float& v : s) v = std::tanh(1.5f * v);

    CloseLoop(s, Samples(kOverlap));
    return s;
}

}  // namespace pelta::sounds
