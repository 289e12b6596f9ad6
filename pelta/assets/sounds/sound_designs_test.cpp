#include "sound_designs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

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

}  // namespace
}  // namespace pelta::sounds
