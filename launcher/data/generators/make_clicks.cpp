// The launcher's two button sounds: "click.wav", a light wooden tick for paging, and
// "click2.wav", a brighter two-note pip for the buttons that act. Both are short, since the
// window waits for a click to end before it goes on.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <vector>

#include "tools/command-line/command_line.h"
#include "common/files/wav_writer.h"

namespace {

constexpr int kRate = 22050;
constexpr double kPeak = 0.70;  // about -3 dBFS

struct Partial {
    double hz;
    double level;
    double decayMs;  // time constant of the exponential decay
};

// Adds a struck tone at `startMs`: a 1 ms rise, partials decaying on their own.
void Strike(std::vector<double>& out, double startMs, std::initializer_list<Partial> partials) {
    const auto start = static_cast<std::size_t>(startMs * kRate / 1000.0);
    for (std::size_t i = start; i < out.size(); ++i) {
        const double t = static_cast<double>(i - start) / kRate;
        const double rise = std::min(1.0, t / 0.001);
        for (const Partial& p : partials)
            out[i] += rise * p.level * std::exp(-t * 1000.0 / p.decayMs) * std::sin(2 * std::numbers::pi * p.hz * t);
    }
}

// Scales to the peak level and fades the last 5 ms so the sound ends without a click.
std::vector<std::int16_t> Finish(std::vector<double> samples) {
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::abs(s));
    const std::size_t fade = kRate * 5 / 1000;
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t left = samples.size() - i;
        const double gain = left < fade ? static_cast<double>(left) / fade : 1.0;
        pcm[i] = static_cast<std::int16_t>(std::lround(samples[i] / peak * kPeak * gain * 32767));
    }
    return pcm;
}

bool Write(const std::filesystem::path& path, std::vector<double> samples) {
    const auto result = files::WriteWav(path, files::PcmFormat{1, kRate, 16}, Finish(std::move(samples)));
    if (!result) std::fprintf(stderr, "make_clicks: %s: %s\n", path.c_str(), result.error.c_str());
    return static_cast<bool>(result);
}

}  // namespace

int main(int argc, char** argv) {
    const auto args = tool::PositionalArguments(argc, argv, "OUTPUT_FOLDER\nWrites click.wav and click2.wav.", 1, 1);
    const std::filesystem::path dir = args[0];

    std::vector<double> tick(kRate * 45 / 1000);
    Strike(tick, 0, {{2100, 1.0, 5}, {3900, 0.5, 3}, {900, 0.35, 8}});

    std::vector<double> pip(kRate * 110 / 1000);
    Strike(pip, 0, {{1320, 1.0, 14}, {2640, 0.3, 8}});
    Strike(pip, 45, {{1760, 1.0, 18}, {3520, 0.3, 9}});

    return Write(dir / "click.wav", std::move(tick)) && Write(dir / "click2.wav", std::move(pip)) ? 0 : 1;
}
