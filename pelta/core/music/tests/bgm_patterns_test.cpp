// Layout and musical rules of the pattern tables, checked on the bytes the build produced.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pelta/music/bgm_patterns.h"

namespace pelta {
namespace {

struct Event {
    int tick, note, velocity;
};

struct TableShape {
    std::string name;
    const std::uint8_t* data;
    std::size_t size;
    int patterns;
    int eventsPerBar;
    int barsUsed;
};

const std::vector<TableShape>& Tables() {
    static const std::vector<TableShape> tables = {
        {"drums", kDrumPatterns.data(), kDrumPatterns.size(), kDrumPatternCount, kDrumEventsPerBar, kBarsPerPhrase},
        {"bass", kBassPatterns.data(), kBassPatterns.size(), kBassPatternCount, kPitchedEventsPerBar, kPitchedBarsUsed},
        {"chords", kChordPatterns.data(), kChordPatterns.size(), kChordPatternCount, kPitchedEventsPerBar,
         kPitchedBarsUsed},
    };
    return tables;
}

Event At(const TableShape& t, int pattern, int bar, int index) {
    const std::uint8_t* e = t.data + EventOffset(pattern, bar, index, t.eventsPerBar);
    return {e[0], e[1], e[2]};
}

bool IsEmptySlot(const Event& e) { return e.tick == 0 && e.note == 0 && e.velocity == 0; }

// The events of one bar: the slots before the first empty one.
std::vector<Event> BarEvents(const TableShape& t, int pattern, int bar) {
    std::vector<Event> events;
    for (int i = 0; i < t.eventsPerBar && !IsEmptySlot(At(t, pattern, bar, i)); ++i)
        events.push_back(At(t, pattern, bar, i));
    return events;
}

const TableShape& Table(const std::string& name) {
    return *std::find_if(Tables().begin(), Tables().end(), [&](const TableShape& t) { return t.name == name; });
}

TEST(BgmPatterns, TablesHaveTheFixedSizes) {
    EXPECT_EQ(kDrumPatterns.size(), 38400u);
    EXPECT_EQ(kBassPatterns.size(), 16800u);
    EXPECT_EQ(kChordPatterns.size(), 9600u);
    EXPECT_EQ(kDrumKits, (std::array<int, 8>{0, 1, 8, 16, 24, 25, 26, 32}));
}

TEST(BgmPatterns, EveryUsedBarHasAscendingEventsAndAZeroTail) {
    for (const TableShape& t : Tables()) {
        for (int p = 0; p < t.patterns; ++p) {
            for (int b = 0; b < kBarsPerPhrase; ++b) {
                SCOPED_TRACE(t.name + " pattern " + std::to_string(p) + " bar " + std::to_string(b));
                std::vector<Event> events = BarEvents(t, p, b);
                if (b >= t.barsUsed) {
                    EXPECT_TRUE(events.empty()) << "unread bar slots stay zero";
                    continue;
                }
                ASSERT_FALSE(events.empty());
                EXPECT_LT(events.size(), static_cast<std::size_t>(t.eventsPerBar));
                for (std::size_t i = 0; i < events.size(); ++i) {
                    EXPECT_LT(events[i].tick, kTicksPerBar);
                    if (i > 0) {
                        EXPECT_GE(events[i].tick, events[i - 1].tick);
                    }
                }
                for (int i = static_cast<int>(events.size()); i < t.eventsPerBar; ++i)
                    EXPECT_TRUE(IsEmptySlot(At(t, p, b, i))) << "slot " << i;
            }
        }
    }
}

TEST(BgmPatterns, DrumBarsStartOnTheDownbeatWithPercussionKeys) {
    const TableShape& t = Table("drums");
    for (int p = 0; p < t.patterns; ++p) {
        for (int b = 0; b < kBarsPerPhrase; ++b) {
            SCOPED_TRACE("pattern " + std::to_string(p) + " bar " + std::to_string(b));
            std::vector<Event> events = BarEvents(t, p, b);
            ASSERT_FALSE(events.empty());
            EXPECT_EQ(events.front().tick, 0);
            for (const Event& e : events) {
                EXPECT_GE(e.note, 35);
                EXPECT_LE(e.note, 69);
                // Drums have no note-offs, and the random spread of -10..+9 must not wrap.
                EXPECT_GE(e.velocity, 10);
                EXPECT_LE(e.velocity, 120);
            }
        }
    }
}

// Every note-on of a bass or chord bar ends later in the same bar, so no note can hang when
// the pattern, the transposition or the player's state changes at a bar line.
void ExpectNotesEndInTheirBar(const std::vector<Event>& events) {
    std::map<int, int> sounding;  // note -> tick of its note-on
    for (const Event& e : events) {
        if (e.velocity > 0) {
            EXPECT_FALSE(sounding.contains(e.note)) << "note " << e.note << " struck again while held";
            sounding[e.note] = e.tick;
        } else {
            ASSERT_TRUE(sounding.contains(e.note)) << "note-off without note-on: " << e.note;
            EXPECT_GT(e.tick, sounding[e.note]);
            sounding.erase(e.note);
        }
    }
    EXPECT_TRUE(sounding.empty()) << sounding.size() << " notes left sounding";
}

// A natural minor (the white keys): what keeps every bass line in tune with every chord pattern.
bool InKey(int note) {
    static const std::set<int> kScale = {0, 2, 4, 5, 7, 9, 11};
    return kScale.contains(note % 12);
}

TEST(BgmPatterns, BassNotesInRangeInKeyAndReleased) {
    const TableShape& t = Table("bass");
    for (int p = 0; p < t.patterns; ++p) {
        for (int b = 0; b < kPitchedBarsUsed; ++b) {
            SCOPED_TRACE("pattern " + std::to_string(p) + " bar " + std::to_string(b));
            std::vector<Event> events = BarEvents(t, p, b);
            for (const Event& e : events) {
                EXPECT_TRUE(InKey(e.note)) << e.note;
                if (e.velocity > 0) {
                    EXPECT_GE(e.velocity, 53);
                    EXPECT_LE(e.velocity, 127);
                }
            }
            ExpectNotesEndInTheirBar(events);
        }
    }
}

TEST(BgmPatterns, ChordsAreFourNoteChordsInKeyAndReleased) {
    const TableShape& t = Table("chords");
    for (int p = 0; p < t.patterns; ++p) {
        for (int b = 0; b < kPitchedBarsUsed; ++b) {
            SCOPED_TRACE("pattern " + std::to_string(p) + " bar " + std::to_string(b));
            std::vector<Event> events = BarEvents(t, p, b);
            std::map<std::pair<int, bool>, std::set<int>> byTickAndKind;
            for (const Event& e : events) {
                EXPECT_TRUE(InKey(e.note)) << e.note;
                byTickAndKind[{e.tick, e.velocity > 0}].insert(e.note);
            }
            for (const auto& [key, notes] : byTickAndKind)
                EXPECT_EQ(notes.size(), 4u) << "tick " << key.first << (key.second ? " on" : " off");
            ExpectNotesEndInTheirBar(events);
        }
    }
}

// Each pattern of the bass and chord tables agrees on the bar's root: the lowest bass note on
// the downbeat is one of the two roots the chord voicings are written for.
TEST(BgmPatterns, BassLinesFollowTheSharedRoots) {
    const std::array<std::set<int>, kPitchedBarsUsed> kRoots = {{{9}, {5, 2}, {0, 9}, {7}}};  // A | F D | C A | G
    const TableShape& t = Table("bass");
    for (int p = 0; p < t.patterns; ++p) {
        for (int b = 0; b < kPitchedBarsUsed; ++b) {
            std::vector<Event> events = BarEvents(t, p, b);
            ASSERT_FALSE(events.empty());
            EXPECT_EQ(events.front().tick, 0) << "pattern " << p << " bar " << b;
            EXPECT_TRUE(kRoots[b].contains(events.front().note % 12)) << "pattern " << p << " bar " << b;
        }
    }
}

// The player transposes bass and chords together by -6..+5 semitones for each phrase.
constexpr int kLowestTranspose = -6;
constexpr int kE1 = 28;

// What a listener needs of each pitched part's register: the bass never sinks below E1, where
// small speakers lose it, and stays under the chords; the chords keep close voicings inside
// 60..69 as written.
TEST(BgmPatterns, PitchedPartsKeepTheirRegisterUnderEveryTransposition) {
    struct Case {
        std::string table;
        int transpose;
        int lowest, highest;
    };
    const Case cases[] = {
        {"bass", kLowestTranspose, kE1, 59 + kLowestTranspose},
        {"chords", 0, 60, 69},
    };
    for (const Case& c : cases) {
        const TableShape& t = Table(c.table);
        for (int p = 0; p < t.patterns; ++p) {
            for (int b = 0; b < t.barsUsed; ++b) {
                for (const Event& e : BarEvents(t, p, b)) {
                    SCOPED_TRACE(c.table + " pattern " + std::to_string(p) + " bar " + std::to_string(b) +
                                 " transposed " + std::to_string(c.transpose));
                    EXPECT_GE(e.note + c.transpose, c.lowest);
                    EXPECT_LE(e.note + c.transpose, c.highest);
                }
            }
        }
    }
}

// A note-on's velocity as the pattern means it: for a chord, the quietest note struck on its
// tick, since the top voice sings a little above the rest.
std::vector<int> StrikeLevels(const TableShape& t, int pattern) {
    std::map<std::pair<int, int>, int> quietest;  // (bar, tick) -> velocity
    for (int b = 0; b < t.barsUsed; ++b)
        for (const Event& e : BarEvents(t, pattern, b))
            if (e.velocity > 0) {
                auto [it, added] = quietest.try_emplace({b, e.tick}, e.velocity);
                if (!added) it->second = std::min(it->second, e.velocity);
            }
    std::vector<int> levels;
    for (const auto& [at, velocity] : quietest) levels.push_back(velocity);
    return levels;
}

// Accents and ghost notes only shape a groove when the player's random spread cannot blur one
// level into the next: every pattern has at least two levels, and neighbouring levels lie
// further apart than the largest random change of a note.
TEST(BgmPatterns, VelocityLevelsStandOutOfTheRandomSpread) {
    struct Case {
        std::string table;
        int largestSpread;  // the player adds -spread..+spread-1 to each note-on
    };
    const Case cases[] = {{"drums", 10}, {"bass", 20}, {"chords", 15}};
    for (const Case& c : cases) {
        const TableShape& t = Table(c.table);
        for (int p = 0; p < t.patterns; ++p) {
            SCOPED_TRACE(c.table + " pattern " + std::to_string(p));
            std::vector<int> levels = StrikeLevels(t, p);
            std::sort(levels.begin(), levels.end());
            levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
            ASSERT_GE(levels.size(), 2u) << "no accents";
            for (std::size_t i = 1; i < levels.size(); ++i)
                EXPECT_GT(levels[i] - levels[i - 1], c.largestSpread) << levels[i - 1] << " and " << levels[i];
        }
    }
}

// Any drum pattern meets any bass and chord pattern, so all must share one feel: every strike
// on a straight grid of thirty-second notes. A swung or triplet off-beat (tick 16, 32 or 64 of
// a beat's 48) would land tens of milliseconds away from the other parts' straight eighths.
TEST(BgmPatterns, EveryPartPlaysOnTheStraightGrid) {
    constexpr int kThirtySecond = kTicksPerBar / 32;
    for (const TableShape& t : Tables()) {
        for (int p = 0; p < t.patterns; ++p) {
            for (int b = 0; b < t.barsUsed; ++b) {
                for (const Event& e : BarEvents(t, p, b)) {
                    if (e.velocity == 0) continue;
                    EXPECT_EQ(e.tick % kThirtySecond, 0) << t.name << " pattern " << p << " bar " << b;
                }
            }
        }
    }
}

// Toms and timbales are fill instruments; a fill belongs in the bar that leads into the next
// phrase, and nowhere else.
TEST(BgmPatterns, FillsOnlyInThePhrasesLastBar) {
    const std::set<int> kFillKeys = {41, 43, 45, 47, 48, 50, 65, 66};
    const TableShape& t = Table("drums");
    for (int p = 0; p < t.patterns; ++p) {
        for (int b = 0; b < kBarsPerPhrase - 1; ++b) {
            for (const Event& e : BarEvents(t, p, b))
                EXPECT_FALSE(kFillKeys.contains(e.note)) << "pattern " << p << " bar " << b << " key " << e.note;
        }
    }
}

// The chords' first strike of each bar, as a set of notes, and its top note.
std::set<int> FirstChord(const TableShape& t, int pattern, int bar) {
    std::vector<Event> events = BarEvents(t, pattern, bar);
    std::set<int> notes;
    for (const Event& e : events)
        if (e.velocity > 0 && e.tick == events.front().tick) notes.insert(e.note);
    return notes;
}

// The harmony develops: no two chord patterns voice the same progression, and within each one
// the top voice moves instead of sitting on one note.
TEST(BgmPatterns, ChordPatternsDifferAndTheirTopVoiceMoves) {
    const TableShape& t = Table("chords");
    std::set<std::vector<std::set<int>>> progressions;
    for (int p = 0; p < t.patterns; ++p) {
        std::vector<std::set<int>> chords;
        std::set<int> topNotes;
        for (int b = 0; b < t.barsUsed; ++b) {
            chords.push_back(FirstChord(t, p, b));
            ASSERT_FALSE(chords.back().empty());
            topNotes.insert(*chords.back().rbegin());
        }
        EXPECT_GE(topNotes.size(), 2u) << "pattern " << p;
        EXPECT_TRUE(progressions.insert(chords).second) << "pattern " << p << " repeats another's progression";
    }
}

}  // namespace
}  // namespace pelta
