#include "minigolf/music/tune.h"

#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace minigolf::music {
namespace {

constexpr int kMelodyChannel = 0;
constexpr int kChordChannel = 1;
constexpr int kBassChannel = 2;
constexpr int kCountermelodyChannel = 3;
constexpr int kDrumChannel = 9;

// The tune in C major, eight-bar phrases: A, A with a lifted ending, B, and A again whose last
// bar turns round on G7 into the first bar, so the loop has no seam.
constexpr std::string_view kPhraseA =
    "E5:1 G5:0.5 E5:0.5 C5:1 D5:0.5 E5:0.5 | C5:1.5 A4:0.5 C5:1 E5:1 |"
    "F5:1 A5:0.5 F5:0.5 C5:1 D5:0.5 F5:0.5 | G5:2 F5:0.5 E5:0.5 D5:1 |"
    "E5:1 G5:0.5 C6:1.5 B5:0.5 A5:0.5 | A5:1 G5:0.5 E5:1.5 C5:1 |"
    "D5:1 F5:1 B4:1 D5:1 |";
constexpr std::string_view kEndA1 = "C5:2 r:1 G4:0.5 B4:0.5 |";
constexpr std::string_view kEndA2 = "C5:2 E5:0.5 G5:0.5 C6:1 |";
constexpr std::string_view kEndLoop = "C5:1 G4:0.5 A4:0.5 B4:0.5 D5:0.5 F5:0.5 D5:0.5 |";
constexpr std::string_view kPhraseB =
    "A5:1.5 G5:0.5 F5:1 C5:1 | D5:1.5 E5:0.5 F5:1 G5:1 |"
    "E5:1 G5:1 B5:1.5 G5:0.5 | A5:2 E5:1 C5:1 |"
    "F5:1 E5:0.5 F5:0.5 A5:1 C6:1 | B5:1.5 A5:0.5 G5:2 |"
    "F5:1 E5:1 D5:1 F5:1 | G5:2 F5:0.5 D5:0.5 B4:0.5 D5:0.5 |";
// A soft answering line in the B phrase, a sixth below the tune's long notes.
constexpr std::string_view kCounterB =
    "r:2 A4:2 | r:2 B4:2 | r:2 D5:2 | r:2 C5:2 | r:2 C5:2 | r:2 D5:2 | r:2 A4:2 | r:2 B4:2 |";

// Chords per half bar ("Dm G" is two chords in one bar), one bar a word or pair joined by '/'.
constexpr std::string_view kChordsA = "C Am F G C Am Dm/G C";
constexpr std::string_view kChordsLoopEnd = "C Am F G C Am Dm/G C/G7";
constexpr std::string_view kChordsB = "F G Em Am F G Dm G7";

struct Chord {
    std::vector<int> voicing;  // close position within about 59..69
    int root;  // bass note
};

const std::map<std::string, Chord>& Chords() {
    static const std::map<std::string, Chord> chords{
        {"C", {{60, 64, 67}, 36}},  {"Am", {{60, 64, 69}, 45}}, {"F", {{60, 65, 69}, 41}},
        {"G", {{59, 62, 67}, 43}},  {"Dm", {{62, 65, 69}, 38}}, {"Em", {{59, 64, 67}, 40}},
        {"G7", {{59, 65, 67}, 43}},
    };
    return chords;
}

int KeyFromName(const std::string& name) {
    static const std::map<char, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    if (name.size() < 2 || !steps.contains(name[0])) {
        throw std::invalid_argument("not a note: " + name);
    }
    std::size_t at = 1;
    int key = steps.at(name[0]);
    if (name[at] == '#') {
        ++key;
        ++at;
    } else if (name[at] == 'b') {
        --key;
        ++at;
    }
    return key + 12 * (std::stoi(name.substr(at)) + 1);
}

int Ticks(double beats) {
    return static_cast<int>(std::lround(beats * kTicksPerBeat));
}

// One chord name per half bar, from a line of bar words.
std::vector<std::string> HalfBars(std::string_view line) {
    std::vector<std::string> halves;
    std::istringstream in{std::string(line)};
    std::string bar;
    while (in >> bar) {
        const auto slash = bar.find('/');
        halves.push_back(bar.substr(0, slash));
        halves.push_back(slash == std::string::npos ? bar : bar.substr(slash + 1));
    }
    return halves;
}

// Electric piano: a chord on the first beat of each half bar and a short push half a beat
// before the next.
void Comp(Arrangement& a, const std::vector<std::string>& halves, int startTick) {
    for (std::size_t h = 0; h < halves.size(); ++h) {
        const Chord& chord = Chords().at(halves[h]);
        const int at = startTick + static_cast<int>(h) * kTicksPerBar / 2;
        for (int key : chord.voicing) {
            a.notes.push_back({kChordChannel, key, h % 2 == 0 ? 70 : 58, at, Ticks(1.4)});
            a.notes.push_back({kChordChannel, key, 62, at + Ticks(1.5), Ticks(0.45)});
        }
    }
}

// Root on the beat, then its octave or, where that would climb too high, its fifth.
void Bass(Arrangement& a, const std::vector<std::string>& halves, int startTick) {
    for (std::size_t h = 0; h < halves.size(); ++h) {
        const int root = Chords().at(halves[h]).root;
        const int at = startTick + static_cast<int>(h) * kTicksPerBar / 2;
        a.notes.push_back({kBassChannel, root, 96, at, Ticks(0.9)});
        a.notes.push_back({kBassChannel, root + 12 <= 50 ? root + 12 : root + 7, 80, at + Ticks(1), Ticks(0.9)});
    }
}

// Closed hi-hat eighths with accents, kick on one and three, side stick on two and four; the
// phrase's last bar ends in a short tom fill.
void Drums(Arrangement& a, int bars, int startTick) {
    for (int bar = 0; bar < bars; ++bar) {
        const int at = startTick + bar * kTicksPerBar;
        const bool fill = bar == bars - 1;
        for (int eighth = 0; eighth < 8; ++eighth) {
            if (fill && eighth >= 6) {
                continue;
            }
            a.notes.push_back({kDrumChannel, 42, eighth % 2 == 0 ? 78 : 52, at + eighth * kTicksPerBeat / 2, 60});
        }
        a.notes.push_back({kDrumChannel, 36, 100, at, 120});
        a.notes.push_back({kDrumChannel, 36, 90, at + 2 * kTicksPerBeat, 120});
        a.notes.push_back({kDrumChannel, 37, 84, at + kTicksPerBeat, 120});
        if (!fill) {
            a.notes.push_back({kDrumChannel, 37, 84, at + 3 * kTicksPerBeat, 120});
        } else {
            const int toms[] = {50, 48, 45, 43};
            for (int i = 0; i < 4; ++i) {
                a.notes.push_back({kDrumChannel, toms[i], 88 + 4 * i, at + 3 * kTicksPerBeat + i * kTicksPerBeat / 4, 100});
            }
        }
    }
}

void AddMelody(Arrangement& a, std::string_view text, int channel, int velocity, int startTick) {
    for (const Note& n : ParseMelody(text, channel, velocity, startTick)) {
        a.notes.push_back(n);
    }
}

}  // namespace

std::vector<Note> ParseMelody(std::string_view text, int channel, int velocity, int startTick) {
    std::vector<Note> notes;
    std::string spaced;
    for (char c : text) {
        spaced += c == '|' ? std::string(" | ") : std::string(1, c);
    }
    std::istringstream in(spaced);
    std::string word;
    int tick = startTick;
    int barStart = startTick;
    while (in >> word) {
        if (word == "|") {
            if (tick - barStart != kTicksPerBar) {
                throw std::invalid_argument("a bar of the melody does not add up to four beats near tick " +
                                            std::to_string(barStart));
            }
            barStart = tick;
            continue;
        }
        const auto colon = word.find(':');
        if (colon == std::string::npos) {
            throw std::invalid_argument("a note needs a length: " + word);
        }
        const int length = Ticks(std::stod(word.substr(colon + 1)));
        const std::string name = word.substr(0, colon);
        if (name != "r") {
            // Slightly detached, so repeated notes speak; accented on the beat.
            const bool onBeat = (tick - startTick) % kTicksPerBeat == 0;
            notes.push_back({channel, KeyFromName(name), onBeat ? velocity : velocity - 12, tick, length * 9 / 10});
        }
        tick += length;
    }
    if (tick != barStart) {
        throw std::invalid_argument("the melody does not end at a bar line");
    }
    return notes;
}

Arrangement ArrangeTune() {
    Arrangement a;
    a.parts = {
        {kMelodyChannel, 11, 104, 72},         // vibraphone, a little right
        {kChordChannel, 4, 76, 48},            // electric piano, a little left
        {kBassChannel, 33, 100, 64},           // finger bass
        {kCountermelodyChannel, 73, 70, 40},   // flute
        {kDrumChannel, 0, 84, 64},
    };
    const std::string a1 = std::string(kPhraseA) + std::string(kEndA1);
    const std::string a2 = std::string(kPhraseA) + std::string(kEndA2);
    const std::string loop = std::string(kPhraseA) + std::string(kEndLoop);
    struct Phrase {
        std::string_view melody;
        std::string_view chords;
        bool counter;
    };
    const Phrase phrases[] = {{a1, kChordsA, false}, {a2, kChordsA, false}, {kPhraseB, kChordsB, true},
                              {loop, kChordsLoopEnd, false}};
    int tick = 0;
    for (const Phrase& p : phrases) {
        AddMelody(a, p.melody, kMelodyChannel, 100, tick);
        if (p.counter) {
            AddMelody(a, kCounterB, kCountermelodyChannel, 80, tick);
        }
        const std::vector<std::string> halves = HalfBars(p.chords);
        Comp(a, halves, tick);
        Bass(a, halves, tick);
        Drums(a, static_cast<int>(halves.size() / 2), tick);
        tick += static_cast<int>(halves.size() / 2) * kTicksPerBar;
    }
    a.lengthTicks = tick;
    return a;
}

}  // namespace minigolf::music
