#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "minigolf/music/smf.h"
#include "minigolf/music/tune.h"

namespace minigolf::music {
namespace {

TEST(Melody, ReadsNamesOctavesLengthsAndRests) {
    const auto notes = ParseMelody("C4:1 r:0.5 F#4:0.5 Bb3:2 | A4:4 |", 3, 100, 960);
    ASSERT_EQ(notes.size(), 4u);
    const int expectedKeys[] = {60, 66, 58, 69};
    const int expectedStarts[] = {960, 960 + 720, 960 + 960, 960 + 1920};
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_EQ(notes[i].key, expectedKeys[i]);
        EXPECT_EQ(notes[i].startTick, expectedStarts[i]);
        EXPECT_EQ(notes[i].channel, 3);
    }
    EXPECT_EQ(notes[0].velocity, 100);  // on the beat
    EXPECT_EQ(notes[1].velocity, 88);   // off it
}

TEST(Melody, RefusesBarsThatDoNotAddUp) {
    EXPECT_THROW(ParseMelody("C4:1 D4:1 E4:1 |", 0, 100, 0), std::invalid_argument);
    EXPECT_THROW(ParseMelody("C4:4 | D4:1", 0, 100, 0), std::invalid_argument);
    EXPECT_THROW(ParseMelody("H4:4 |", 0, 100, 0), std::invalid_argument);
    EXPECT_THROW(ParseMelody("C4 |", 0, 100, 0), std::invalid_argument);
}

// The game restarts the file when it ends: every note must end by then, and a key must not be
// struck again on its channel before it was released.
TEST(Tune, LoopsCleanlyWithoutOverlappingNotes) {
    const Arrangement tune = ArrangeTune();
    ASSERT_GT(tune.lengthTicks, 0);
    EXPECT_EQ(tune.lengthTicks % kTicksPerBar, 0);
    const double seconds = tune.lengthTicks / double(kTicksPerBeat) * 60.0 / kBeatsPerMinute;
    EXPECT_GE(seconds, 50.0);
    EXPECT_LE(seconds, 120.0);
    std::map<std::pair<int, int>, int> releasedAt;
    std::vector<Note> notes = tune.notes;
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.startTick < b.startTick; });
    for (const Note& n : notes) {
        EXPECT_GE(n.startTick, 0);
        EXPECT_GT(n.lengthTicks, 0);
        EXPECT_LE(n.startTick + n.lengthTicks, tune.lengthTicks) << "key " << n.key;
        EXPECT_GE(n.key, 28);  // no bass below E1
        EXPECT_LE(n.key, 96);
        auto& released = releasedAt[{n.channel, n.key}];
        EXPECT_LE(released, n.startTick) << "key " << n.key << " on channel " << n.channel;
        released = n.startTick + n.lengthTicks;
    }
    // Something sounds on the first beat, so the loop does not open on a gap.
    EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](const Note& n) { return n.startTick == 0; }));
}

struct Reader {
    const std::string& s;
    std::size_t at = 0;
    std::uint32_t Be(int bytes) {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<unsigned char>(s.at(at++));
        return v;
    }
    std::uint32_t VarLen() {
        std::uint32_t v = 0;
        unsigned char b = 0;
        do {
            b = static_cast<unsigned char>(s.at(at++));
            v = v << 7 | (b & 0x7F);
        } while (b & 0x80);
        return v;
    }
};

// Reads the file back: every track ends at the loop point and every note-on has its note-off.
TEST(MidiFile, EveryTrackEndsAtTheLoopPointWithNoNoteLeftOn) {
    const Arrangement tune = ArrangeTune();
    const std::string file = EncodeSmf(tune);
    Reader r{file};
    ASSERT_EQ(file.substr(0, 4), "MThd");
    r.at = 4;
    ASSERT_EQ(r.Be(4), 6u);
    EXPECT_EQ(r.Be(2), 1u);
    const std::uint32_t tracks = r.Be(2);
    EXPECT_EQ(tracks, tune.parts.size() + 1);
    EXPECT_EQ(r.Be(2), static_cast<std::uint32_t>(kTicksPerBeat));
    std::size_t notesOn = 0;
    for (std::uint32_t t = 0; t < tracks; ++t) {
        ASSERT_EQ(file.substr(r.at, 4), "MTrk");
        r.at += 4;
        const std::size_t end = r.Be(4) + r.at;
        std::uint32_t tick = 0;
        std::map<int, int> sounding;
        bool ended = false;
        while (r.at < end) {
            tick += r.VarLen();
            const auto status = static_cast<unsigned char>(file.at(r.at++));
            if (status == 0xFF) {
                const auto type = static_cast<unsigned char>(file.at(r.at++));
                const std::uint32_t length = r.VarLen();
                r.at += length;
                if (type == 0x2F) {
                    ended = true;
                    EXPECT_EQ(tick, static_cast<std::uint32_t>(tune.lengthTicks)) << "track " << t;
                }
            } else if ((status & 0xF0) == 0x90 || (status & 0xF0) == 0x80) {
                const int key = static_cast<unsigned char>(file.at(r.at++));
                const int velocity = static_cast<unsigned char>(file.at(r.at++));
                const bool on = (status & 0xF0) == 0x90 && velocity > 0;
                sounding[key] += on ? 1 : -1;
                EXPECT_GE(sounding[key], 0) << "a note-off without its note-on, key " << key;
                EXPECT_LE(sounding[key], 1) << "key " << key << " struck twice";
                notesOn += on ? 1 : 0;
            } else if ((status & 0xF0) == 0xC0) {
                r.at += 1;
            } else {
                ASSERT_EQ(status & 0xF0, 0xB0) << "unexpected event in track " << t;
                r.at += 2;
            }
        }
        EXPECT_TRUE(ended) << "track " << t;
        for (const auto& [key, count] : sounding) {
            EXPECT_EQ(count, 0) << "key " << key << " left on in track " << t;
        }
    }
    EXPECT_EQ(r.at, file.size());
    EXPECT_EQ(notesOn, tune.notes.size());
}

}  // namespace
}  // namespace minigolf::music
