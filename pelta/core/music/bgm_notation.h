#pragma once
// Compile-time readers for the pattern notation the music is written in, and the table writer.
// A mistake in the notation stops the build at the offending call.
//
// Drum bar: one lane per line, "<GM key> <steps>". The steps split the bar evenly (16 = sixteenths,
// 12 = eighth-note triplets, 32 = thirty-seconds); '.' is a rest, '1'..'9' a hit at that level.
//
// Bass bar: 16 sixteenth-note tokens. A note name with octave ("A1", "F#2"; A1 = MIDI 33) starts
// a note, '-' holds it, '.' rests. A trailing '>' accents the note, a trailing '\'' plays it soft.
//
// Chord bar: a voicing name, then 16 sixteenth-note steps: 'X', 'x' or 'o' strike the chord
// (loud, normal, soft), '-' holds it, '.' rests.
//
// Every note ends inside its bar, shortly before the step after its last hold, so no note can
// outlive a pattern change.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pelta/music/bgm_patterns.h"

namespace pelta::notation {

// Stops constant evaluation, so the build fails with `what` in the diagnostic.
constexpr void Require(bool ok, const char* what) {
    if (!ok) throw what;
}

struct Event {
    std::uint8_t tick = 0;
    std::uint8_t note = 0;
    std::uint8_t velocity = 0;
};

template <std::size_t Capacity>
struct BarEvents {
    std::array<Event, Capacity> events{};
    std::size_t count = 0;

    // Keeps the events ordered by tick; events on one tick stay in the order they were added.
    constexpr void Add(int tick, int note, int velocity) {
        Require(count < Capacity, "too many events in one bar");
        Require(tick >= 0 && tick < kTicksPerBar, "event outside the bar");
        std::size_t at = count;
        while (at > 0 && events[at - 1].tick > tick) {
            events[at] = events[at - 1];
            --at;
        }
        events[at] = {static_cast<std::uint8_t>(tick), static_cast<std::uint8_t>(note),
                      static_cast<std::uint8_t>(velocity)};
        ++count;
    }
};

constexpr int kStepsPerBar = 16;
constexpr int kTicksPerStep = kTicksPerBar / kStepsPerBar;
// A note ends this many ticks before the next step, which leaves the bar's last tick free.
constexpr int kReleaseGap = 2;

constexpr bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Splits text into whitespace-separated words.
class Words {
public:
    constexpr explicit Words(std::string_view text) : text_(text) {}
    constexpr bool AtEnd() {
        SkipSpace();
        return pos_ == text_.size();
    }
    constexpr std::string_view Next() {
        SkipSpace();
        Require(pos_ < text_.size(), "notation ends too early");
        std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

private:
    constexpr void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

constexpr int ParseNumber(std::string_view word) {
    Require(!word.empty(), "missing number");
    int value = 0;
    for (char c : word) {
        Require(c >= '0' && c <= '9', "not a number");
        value = value * 10 + (c - '0');
    }
    return value;
}

// Hit levels 1..9 map to velocities 16..120: never so low that the player's random spread
// could take them below zero.
constexpr int DrumVelocity(char level) { return 13 * (level - '0') + 3; }

template <std::size_t Capacity>
constexpr BarEvents<Capacity> ParseDrumBar(std::string_view text) {
    BarEvents<Capacity> bar;
    Words words(text);
    while (!words.AtEnd()) {
        int key = ParseNumber(words.Next());
        std::string_view steps = words.Next();
        Require(!steps.empty() && kTicksPerBar % steps.size() == 0, "lane length must divide the bar");
        int ticksPerStep = kTicksPerBar / static_cast<int>(steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            char c = steps[i];
            if (c == '.') continue;
            Require(c >= '1' && c <= '9', "drum step must be '.' or 1..9");
            bar.Add(static_cast<int>(i) * ticksPerStep, key, DrumVelocity(c));
        }
    }
    Require(bar.count > 0 && bar.events[0].tick == 0, "a drum bar must start with a hit");
    return bar;
}

// "A1" = 33: MIDI numbering with C-1 = 0.
constexpr int ParseNoteName(std::string_view name) {
    Require(name.size() == 2 || name.size() == 3, "bad note name");
    constexpr std::string_view kLetters = "CDEFGAB";
    constexpr int kSemitones[] = {0, 2, 4, 5, 7, 9, 11};
    std::size_t letter = kLetters.find(name[0]);
    Require(letter != std::string_view::npos, "bad note letter");
    int note = kSemitones[letter];
    if (name.size() == 3) {
        Require(name[1] == '#' || name[1] == 'b', "bad accidental");
        note += name[1] == '#' ? 1 : -1;
    }
    char octave = name.back();
    Require(octave >= '0' && octave <= '9', "bad octave");
    return note + 12 * (octave - '0' + 1);
}

// Further apart than the player's random spread of -20..+19, so accents and ghost notes stay audible.
constexpr int kBassVelocity = 100;
constexpr int kBassAccent = 126;
constexpr int kBassSoft = 72;

template <std::size_t Capacity>
constexpr BarEvents<Capacity> ParseBassBar(std::string_view text) {
    std::array<std::string_view, kStepsPerBar> steps{};
    Words words(text);
    for (auto& step : steps) step = words.Next();
    Require(words.AtEnd(), "a bass bar has 16 steps");

    BarEvents<Capacity> bar;
    for (int s = 0; s < kStepsPerBar; ++s) {
        std::string_view step = steps[s];
        if (step == "." || step == "-") {
            Require(step == "." || s > 0, "a bar cannot start with a hold");
            continue;
        }
        int velocity = kBassVelocity;
        if (step.back() == '>') velocity = kBassAccent;
        if (step.back() == '\'') velocity = kBassSoft;
        if (velocity != kBassVelocity) step.remove_suffix(1);
        int note = ParseNoteName(step);
        int end = s + 1;
        while (end < kStepsPerBar && steps[end] == "-") ++end;
        bar.Add(s * kTicksPerStep, note, velocity);
        bar.Add(end * kTicksPerStep - kReleaseGap, note, 0);
    }
    Require(bar.count > 0, "a bass bar needs a note");
    return bar;
}

// Close voicings inside 60..69, lowest note first, named for the bass root they sit on. A chord
// without an A in it lets the top voice leave the A and sing G or F.
struct Voicing {
    std::string_view name;
    std::array<int, 4> notes;
};
constexpr std::array<Voicing, 10> kVoicings = {{
    {"Am7", {60, 64, 67, 69}},
    {"Am11", {60, 62, 64, 69}},
    {"Am7add11", {60, 62, 64, 67}},
    {"Fmaj7", {60, 64, 65, 69}},
    {"Fadd9", {60, 65, 67, 69}},
    {"Dm7", {60, 62, 65, 69}},
    {"Dm9", {60, 62, 64, 65}},
    {"Cadd9", {60, 62, 64, 67}},
    {"G6add9", {62, 64, 67, 69}},
    {"G7sus4", {60, 62, 65, 67}},
}};

constexpr const Voicing& FindVoicing(std::string_view name) {
    for (const Voicing& v : kVoicings)
        if (v.name == name) return v;
    throw "unknown chord voicing";
}

// Loud, normal and soft strikes lie further apart than the player's random spread of -15..+14,
// so accents stay audible; the top note sings a little above the rest of the chord.
constexpr int kChordAccent = 104;
constexpr int kChordVelocity = 82;
constexpr int kChordSoft = 60;
constexpr int ChordVelocity(char level, bool top) {
    int base = level == 'X' ? kChordAccent : level == 'x' ? kChordVelocity : kChordSoft;
    return top ? base + 4 : base;
}

template <std::size_t Capacity>
constexpr BarEvents<Capacity> ParseChordBar(std::string_view text) {
    Words words(text);
    const Voicing& voicing = FindVoicing(words.Next());
    std::string_view steps = words.Next();
    Require(words.AtEnd() && steps.size() == kStepsPerBar, "a chord bar has 16 steps");

    BarEvents<Capacity> bar;
    for (int s = 0; s < kStepsPerBar; ++s) {
        char c = steps[s];
        if (c == '.' || c == '-') {
            Require(c == '.' || s > 0, "a bar cannot start with a hold");
            continue;
        }
        Require(c == 'X' || c == 'x' || c == 'o', "chord step must be X, x, o, '-' or '.'");
        int end = s + 1;
        while (end < kStepsPerBar && steps[end] == '-') ++end;
        for (int n = 0; n < 4; ++n) bar.Add(s * kTicksPerStep, voicing.notes[n], ChordVelocity(c, n == 3));
        for (int n = 0; n < 4; ++n) bar.Add(end * kTicksPerStep - kReleaseGap, voicing.notes[n], 0);
    }
    Require(bar.count > 0, "a chord bar needs a chord");
    return bar;
}

// Writes one parsed bar into its slot of a table laid out as in bgm_patterns.h.
template <std::size_t TableSize, std::size_t Capacity>
constexpr void StoreBar(std::array<std::uint8_t, TableSize>& table, int pattern, int bar,
                        const BarEvents<Capacity>& events) {
    std::size_t at = EventOffset(pattern, bar, 0, static_cast<int>(Capacity));
    for (std::size_t i = 0; i < events.count; ++i) {
        table[at + 3 * i] = events.events[i].tick;
        table[at + 3 * i + 1] = events.events[i].note;
        table[at + 3 * i + 2] = events.events[i].velocity;
    }
}

// Builds a table from one text per used bar: Parse reads a bar text into BarEvents<Capacity>.
template <typename Table, std::size_t Capacity, std::size_t Patterns, std::size_t Bars, typename Parse>
constexpr Table BuildTable(const std::array<std::array<std::string_view, Bars>, Patterns>& source, Parse parse) {
    Table table{};
    for (std::size_t p = 0; p < Patterns; ++p)
        for (std::size_t b = 0; b < Bars; ++b)
            StoreBar(table, static_cast<int>(p), static_cast<int>(b), parse(source[p][b]));
    return table;
}

}  // namespace pelta::notation
