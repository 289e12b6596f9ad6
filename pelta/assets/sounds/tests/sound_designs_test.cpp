#include "pelta/sounds/sound_designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace pelta::sounds {
namespace {

constexpr double kPeakDbfs = -3.0;

double Dbfs(double linear) { return 20 * std::log10(std::max(linear, 1e-9) / 32767.0); }

double RmsDbfs(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i) sum += double(s[i]) * s[i];
    return Dbfs(std::sqrt(sum / count));
}

int LargestStep(const std::vector<std::int16_t>& s) {
    int largest = 0;
    for (std::size_t i = 1; i < s.size(); ++i) largest = std::max(largest, std::abs(s[i] - s[i - 1]));
    return largest;
}

TEST(SoundDesigns, OneShotsAreShortCleanAndEndWithoutASilentTail) {
    struct Case {
        const char* name;
        Signal (*make)();
        double minSeconds, maxSeconds;
    };
    const Case cases[] = {
        {"pitch.wav", MakePitchWhoosh, 0.2, 0.8},
        {"hit.wav", MakeBatCrack, 0.1, 0.5},
        {"kara.wav", MakeSwingMiss, 0.15, 0.6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Signal made = c.make();
        EXPECT_EQ(c.make(), made);  // every build makes the same file
        std::vector<std::int16_t> s = ToPcm16(made, kPeakDbfs);
        double seconds = double(s.size()) / kSampleRate;
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LE(seconds, c.maxSeconds);

        int peak = 0;
        for (std::int16_t v : s) peak = std::max(peak, std::abs(int(v)));
        EXPECT_NEAR(Dbfs(peak), kPeakDbfs, 0.1);
        // Faded ends: no click when the sound starts or stops.
        EXPECT_LT(std::abs(s.front()), 64);
        EXPECT_LT(std::abs(s.back()), 64);
        // The last 20 ms are quiet but not dead silence padding.
        std::size_t tail = Samples(0.02);
        EXPECT_LT(RmsDbfs(s, s.size() - tail, tail), -30);
        EXPECT_GT(RmsDbfs(s, s.size() - 2 * tail, tail), -75);
    }
}

TEST(SoundDesigns, ApplauseLoopsWithoutAGapOrAClick) {
    std::vector<std::int16_t> s = ToPcm16(MakeApplause(), kPeakDbfs);
    EXPECT_GE(double(s.size()) / kSampleRate, 2.0);

    // No gap: every 50 ms, the join included, stays within 15 dB of the whole loop's level.
    const double overall = RmsDbfs(s, 0, s.size());
    const std::size_t window = Samples(0.05);
    for (std::size_t at = 0; at + window <= s.size(); at += window / 2) {
        EXPECT_GT(RmsDbfs(s, at, window), overall - 15) << "at " << at;
    }
    EXPECT_GT(RmsDbfs(s, s.size() - window / 2, window / 2), overall - 15);
    EXPECT_GT(RmsDbfs(s, 0, window / 2), overall - 15);

    // Played end to start, the join is no sharper than any step inside the loop.
    std::vector<std::int16_t> twice(s);
    twice.insert(twice.end(), s.begin(), s.end());
    EXPECT_EQ(LargestStep(twice), LargestStep(s));
    EXPECT_GT(std::abs(s.front()), 0);  // not faded to silence at the join
}

// Power spectrum of `count` samples from `from`, Hann-windowed: bin k is k * kSampleRate / count Hz.
std::vector<double> PowerSpectrum(const Signal& s, std::size_t from, std::size_t count) {
    std::vector<double> power(count / 2);
    for (std::size_t k = 0; k < power.size(); ++k) {
        double re = 0, im = 0;
        for (std::size_t i = 0; i < count; ++i) {
            double w = 0.5 - 0.5 * std::cos(2 * kPi * double(i) / double(count - 1));
            double v = w * s[from + i];
            re += v * std::cos(2 * kPi * double(k * i) / double(count));
            im -= v * std::sin(2 * kPi * double(k * i) / double(count));
        }
        power[k] = re * re + im * im;
    }
    return power;
}

double BinHz(std::size_t k, std::size_t count) { return double(k) * kSampleRate / double(count); }

// The share of the spectrum's power between `lo` and `hi` Hz.
double BandShare(const std::vector<double>& power, std::size_t count, double lo, double hi) {
    double in = 0, all = 0;
    for (std::size_t k = 0; k < power.size(); ++k) {
        all += power[k];
        if (BinHz(k, count) >= lo && BinHz(k, count) < hi) in += power[k];
    }
    return all > 0 ? in / all : 0;
}

std::size_t LoudestSample(const Signal& s) {
    return static_cast<std::size_t>(
        std::max_element(s.begin(), s.end(), [](float a, float b) { return std::abs(a) < std::abs(b); }) - s.begin());
}

// A bat's crack, not a dull tock: the first milliseconds are the loudest and sit mostly in
// 2..6 kHz, the ring that follows is above 1 kHz and short, and a little low weight is there.
TEST(SoundDesigns, BatCrackIsABrightTransientWithAShortHighRing) {
    const Signal s = MakeBatCrack();
    const std::size_t crack = Samples(0.003);
    EXPECT_LT(LoudestSample(s), crack) << "the crack is the loudest moment";
    const std::size_t all = s.size() & ~std::size_t{1};
    EXPECT_GT(BandShare(PowerSpectrum(s, 0, crack), crack, 2000, 6000), 0.6);

    const std::size_t ringFrom = Samples(0.015), ringLength = 512;
    std::vector<double> ring = PowerSpectrum(s, ringFrom, ringLength);
    std::size_t strongest = static_cast<std::size_t>(std::max_element(ring.begin(), ring.end()) - ring.begin());
    EXPECT_GT(BinHz(strongest, ringLength), 1000.0);

    // 40 dB down (on 5 ms windows) within 0.1 s.
    const std::size_t window = Samples(0.005);
    auto rms = [&](std::size_t at) {
        double sum = 0;
        for (std::size_t i = at; i < at + window; ++i) sum += double(s[i]) * s[i];
        return std::sqrt(sum / double(window));
    };
    EXPECT_LT(rms(Samples(0.1)), rms(0) / 100);

    const double low = BandShare(PowerSpectrum(s, 0, all), all, 0, 400);
    EXPECT_GT(low, 0.02);
    EXPECT_LT(low, 0.2);
}

// The swish's spectrum has no notch between 3 and 5 kHz (the mark of one noise filtered twice
// and summed): frame by frame, no sixth-octave band there falls far below the bands a third of an
// octave either side.
TEST(SoundDesigns, SwingMissHasNoNotchNear4kHz) {
    const Signal s = MakeSwingMiss();
    const std::size_t frame = 512;
    std::vector<double> depths;
    for (std::size_t at = 0; at + frame <= s.size(); at += frame / 2) {
        std::vector<double> power = PowerSpectrum(s, at, frame);
        auto bandDb = [&](double centre) {
            double sum = 0;
            int bins = 0;
            for (std::size_t k = 0; k < power.size(); ++k) {
                double hz = BinHz(k, frame);
                if (hz >= centre / std::pow(2.0, 1.0 / 12) && hz < centre * std::pow(2.0, 1.0 / 12)) {
                    sum += power[k];
                    ++bins;
                }
            }
            return 10 * std::log10(sum / std::max(bins, 1) + 1e-20);
        };
        double deepest = 0;
        for (double centre = 3000; centre <= 5000; centre *= std::pow(2.0, 1.0 / 6)) {
            double neighbours = (bandDb(centre / std::pow(2.0, 1.0 / 3)) + bandDb(centre * std::pow(2.0, 1.0 / 3))) / 2;
            deepest = std::max(deepest, neighbours - bandDb(centre));
        }
        depths.push_back(deepest);
    }
    ASSERT_FALSE(depths.empty());
    std::sort(depths.begin(), depths.end());
    EXPECT_LT(depths[depths.size() / 2], 6.0) << "typical frame";
    EXPECT_LT(depths.back(), 12.0) << "worst frame";
}

}  // namespace
}  // namespace pelta::sounds
