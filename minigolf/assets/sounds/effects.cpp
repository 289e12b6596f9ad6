#include "minigolf/sounds/effects.h"

#include <cmath>

#include "minigolf/sounds/synthesis.h"

namespace minigolf::sounds {
namespace {

constexpr double kPeakDbfs = -3.0;
constexpr double kFadeSeconds = 0.002;

double Note(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// The ball against a wooden rail: a short, soft knock.
Sound Knock() {
    Sound s;
    NoiseBurst(s, 0, 0.006, 3000, 0.002, 0.5, 11);
    Strike(s, 0, 0.0015, {{430, 1.0, 0.022}, {1010, 0.45, 0.012}, {1870, 0.25, 0.006}, {2950, 0.12, 0.004}});
    return s;
}

// A short rising blip.
Sound Blip() {
    Sound s;
    Play(s, 0, 0.09, {[](double t) { return 1100 + 900 * std::min(t / 0.03, 1.0); },
                      [](double) { return 0.1; },
                      [](double t) { return std::min(t / 0.004, 1.0) * std::exp(-t / 0.025); }});
    return s;
}

// The ball rattles round the cup's rim and drops in with a hollow plop.
Sound CupIn() {
    Sound s;
    const double rattles[][2] = {{0.00, 1.0}, {0.11, 0.8}, {0.19, 0.65}, {0.25, 0.5}, {0.29, 0.35}};
    for (const auto& [at, level] : rattles) {
        NoiseBurst(s, at, 0.004, 4000, 0.0015, 0.6 * level, static_cast<std::uint32_t>(at * 1000) + 3);
        Strike(s, at, 0.0008, {{1650, 0.6, 0.012}, {2730, 0.4, 0.008}, {3900, 0.2, 0.005}}, level);
    }
    const double drop = 0.36;
    Play(s, drop, 0.22, {[](double t) { return 260 * std::exp(-t / 0.09) + 90; },
                         [](double) { return 0.0; },
                         [](double t) { return 1.6 * std::min(t / 0.003, 1.0) * std::exp(-t / 0.05); }});
    NoiseBurst(s, drop, 0.03, 600, 0.01, 0.5, 97);
    Strike(s, drop + 0.16, 0.001, {{1500, 0.2, 0.01}, {2400, 0.15, 0.006}});
    Strike(s, drop + 0.23, 0.001, {{1500, 0.1, 0.01}, {2400, 0.08, 0.006}});
    return s;
}

// A bell: a struck tone with the glockenspiel's bright, slightly out-of-tune overtones.
void Bell(Sound& s, double at, int midi, double gain, double ring) {
    const double f = Note(midi);
    Strike(s, at, 0.002, {{f, 1.0, ring}, {f * 2.0, 0.35, ring * 0.45}, {f * 2.76, 0.25, ring * 0.3},
                          {f * 5.4, 0.1, ring * 0.12}}, gain);
}

// Under par: a quick rising arpeggio into a bright, ringing chord.
Sound Fanfare() {
    Sound s;
    const int run[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) {
        Bell(s, 0.085 * i, run[i], 0.7, 0.18);
    }
    for (int midi : {84, 88, 91, 96}) {
        Bell(s, 0.45, midi, 0.55, 0.3);
    }
    Bell(s, 0.62, 100, 0.25, 0.3);
    return s;
}

// Par: three warm notes settling on the tonic.
Sound Chime() {
    Sound s;
    const auto warm = [](int midi) {
        return Voice{[midi](double) { return Note(midi); }, [](double) { return 0.15; },
                     [](double t) { return std::min(t / 0.01, 1.0) * std::exp(-t / 0.35); }};
    };
    Play(s, 0.00, 0.5, warm(72));
    Play(s, 0.16, 0.5, warm(76));
    Play(s, 0.32, 1.1, warm(79));
    Play(s, 0.32, 1.1, warm(84));
    for (const auto& [at, midi] : {std::pair{0.0, 84}, {0.16, 88}, {0.32, 91}}) {
        Bell(s, at, midi, 0.25, 0.2);
    }
    return s;
}

// Over par: a muted horn slides down four notes, "wah, wah, wah, waaah", the last one wobbling.
Sound WahWah() {
    Sound s;
    const int notes[] = {58, 57, 56, 55};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const double at = 0.42 * i;
        const double length = last ? 1.3 : 0.4;
        const double f = Note(notes[i]);
        Play(s, at, length,
             {[f, last](double t) { return f * (last && t > 0.25 ? 1 + 0.018 * std::sin(2 * 3.14159 * 5.5 * (t - 0.25)) : 1); },
              // The mute opens and closes once per note: the "wah".
              [length](double t) { return 0.1 + 0.45 * std::sin(3.14159 * std::min(t / (length * 0.7), 1.0)); },
              [length](double t) {
                  const double in = std::min(t / 0.03, 1.0);
                  const double out = std::min((length - t) / 0.12, 1.0);
                  return 0.5 * in * std::max(out, 0.0);
              }});
    }
    return s;
}

}  // namespace

std::vector<std::int16_t> MakeEffect(std::string_view name) {
    Sound s;
    if (name == "pon") {
        s = Knock();
    } else if (name == "pon2") {
        s = Blip();
    } else if (name == "cupin") {
        s = CupIn();
    } else if (name == "nice") {
        s = Fanfare();
    } else if (name == "par") {
        s = Chime();
    } else if (name == "bogi") {
        s = WahWah();
    } else {
        return {};
    }
    return Finish(std::move(s), kFadeSeconds, kPeakDbfs);
}

}  // namespace minigolf::sounds
