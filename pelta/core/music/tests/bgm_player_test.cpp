// The player against the recording output: what it sends, in which order, with which draws.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <vector>

#include "common/midi/recording_midi_out.h"
#include "pelta/model/random.h"
#include "pelta/music/bgm_patterns.h"
#include "pelta/music/bgm_player.h"

namespace pelta {
namespace {

using ::testing::ElementsAreArray;

constexpr int kTicksPerPhrase = kTicksPerBar * kBarsPerPhrase;

// Hands out queued values first, then `fallback` for ever; counts every draw.
class FeedRandom final : public Random {
public:
    explicit FeedRandom(int fallback) : fallback_(fallback) {}
    void Push(std::initializer_list<int> values) { queue_.insert(queue_.end(), values); }
    void PushFallbacks(int count) { queue_.insert(queue_.end(), count, fallback_); }
    std::size_t Queued() const { return queue_.size(); }
    int draws = 0;
    int Rand() override {
        ++draws;
        if (queue_.empty()) return fallback_;
        int v = queue_.front();
        queue_.pop_front();
        return v;
    }

private:
    int fallback_;
    std::deque<int> queue_;
};

std::uint32_t Msg(int status, int data1, int data2) { return midi::PackShortMessage(status, data1, data2); }

const std::uint8_t* EventAt(const std::uint8_t* table, int pattern, int bar, int index, int eventsPerBar) {
    return table + EventOffset(pattern, bar, index, eventsPerBar);
}

// How many draws the next Tick makes for its notes: one per drum hit, one per bass or chord
// note-on, none for note-offs.
int NoteDrawsOfNextTick(const BgmState& s) {
    auto count = [&](const std::uint8_t* table, int pattern, int bar, int index, int perBar, bool offsDraw) {
        int draws = 0;
        for (; index < perBar; ++index) {
            const std::uint8_t* e = EventAt(table, pattern, bar, index, perBar);
            if (e[0] != s.tick) break;
            if (offsDraw || e[2] != 0) ++draws;
        }
        return draws;
    };
    int draws = count(kDrumPatterns.data(), s.drumPattern, s.bar, s.drumIndex, kDrumEventsPerBar, true);
    if (s.bassPattern < kSilentBass)
        draws += count(kBassPatterns.data(), s.bassPattern, s.bar & 3, s.bassIndex, kPitchedEventsPerBar, false);
    if (s.chordPattern < kSilentChords)
        draws += count(kChordPatterns.data(), s.chordPattern, s.bar & 3, s.chordIndex, kPitchedEventsPerBar, false);
    return draws;
}

std::vector<std::uint32_t> ShortsSince(const midi::RecordingMidiOut& out, std::size_t from) {
    std::vector<std::uint32_t> all = out.ShortMessages();
    return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
}

void RunTicks(CBgmPlayer& player, int count) {
    for (int i = 0; i < count; ++i) player.Tick();
}

TEST(BgmPlayer, OpenPutsTheSynthesizerInGeneralMidiModeAndCloseSilencesIt) {
    midi::RecordingMidiOut out;
    ScriptedRandom random;
    CBgmPlayer player(out, random);
    EXPECT_EQ(player.Open(-1), 1);
    ASSERT_EQ(out.calls.size(), 2u);
    EXPECT_EQ(out.calls[0].kind, midi::RecordedMidi::Kind::Open);
    EXPECT_EQ(out.calls[0].deviceId, -1);
    EXPECT_EQ(out.calls[1].kind, midi::RecordedMidi::Kind::Long);
    EXPECT_EQ(out.calls[1].bytes, (std::vector<std::uint8_t>{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));

    player.Close();
    EXPECT_EQ(out.ShortMessages().size(), 3u * 127u) << "Close stops every note first";
    EXPECT_EQ(out.calls.back().kind, midi::RecordedMidi::Kind::Close);
}

TEST(BgmPlayer, StartDrawsInstrumentsAndPatternsInOrder) {
    midi::RecordingMidiOut out;
    // r(7) bass program, r(8) drum kit, r(128) drum reverb, r(8) drum pattern, r(12) transpose.
    ScriptedRandom random{7 * 100 + 3, 8 * 7 + 5, 128 * 2 + 100, 8 * 3 + 4, 12 * 9 + 1};
    CBgmPlayer player(out, random);
    player.Start();

    EXPECT_THAT(out.ShortMessages(), ElementsAreArray({
                                         Msg(0xB8, 0, 0), Msg(0xC8, 35, 0),    // bass: bank 0, program 32 + 3
                                         Msg(0xB9, 0, 0), Msg(0xC9, 25, 0),    // drum kit kDrumKits[5]
                                         Msg(0xB9, 91, 100), Msg(0xB8, 91, 0)  // reverb sends
                                     }));
    EXPECT_EQ(random.Remaining(), 0u);
    BgmState expected;
    expected.playing = 1;
    expected.drumPattern = 4;
    expected.transpose = 1 - 6;
    EXPECT_EQ(player.State(), expected);
}

TEST(BgmPlayer, DisabledPlayerSendsNothing) {
    midi::RecordingMidiOut out;
    ScriptedRandom random;  // any draw would throw
    CBgmPlayer player(out, random);
    player.SetEnabled(false);
    player.Start();
    RunTicks(player, 500);
    player.Resume();
    RunTicks(player, 500);
    EXPECT_TRUE(out.calls.empty());
    EXPECT_EQ(player.State().playing, 0);
}

TEST(BgmPlayer, FirstPhraseIsDrumsAloneThenThePhraseChangeSendsProgramsBeforeTheNextNotes) {
    midi::RecordingMidiOut out;
    FeedRandom random(10);
    random.Push({3, 5, 100, 4, 9});  // Start: drum pattern 4, transpose +3
    CBgmPlayer player(out, random);
    player.Start();
    std::size_t afterStart = out.ShortMessages().size();

    RunTicks(player, kTicksPerPhrase - 1);
    std::vector<std::uint32_t> firstPhrase = ShortsSince(out, afterStart);
    ASSERT_FALSE(firstPhrase.empty());
    for (std::uint32_t m : firstPhrase) EXPECT_EQ(midi::ShortStatus(m), 0x99) << std::hex << m;

    // The last tick of bar 7: its drum hits, then the phrase's draws in order.
    ASSERT_EQ(player.State().bar, 7);
    ASSERT_EQ(player.State().tick, 191);
    random.PushFallbacks(NoteDrawsOfNextTick(player.State()));
    random.Push({2,        // transpose r(12) -> -4
                 13,       // drum pattern r(8) -> 5
                 3,        // bass pattern r(7) -> 3
                 11,       // chord pattern r(9) -> 2
                 6,        // bass program 32 + r(7) -> 38
                 5,        // piano r(6) -> 5
                 77, 64,   // chord reverb, pan
                 21,       // r(10) = 1: new drum kit
                 7, 99});  // kit kDrumKits[7], drum reverb
    std::size_t beforeLastTick = out.ShortMessages().size();
    player.Tick();
    EXPECT_EQ(random.Queued(), 0u);
    std::vector<std::uint32_t> lastTick = ShortsSince(out, beforeLastTick);
    std::vector<std::uint32_t> programs = {Msg(0xB8, 0, 0),   Msg(0xC8, 38, 0), Msg(0xB0, 0, 0),
                                           Msg(0xC0, 5, 0),   Msg(0xB0, 91, 77), Msg(0xB0, 10, 64),
                                           Msg(0xB9, 0, 0),   Msg(0xC9, 32, 0),  Msg(0xB9, 91, 99)};
    ASSERT_GE(lastTick.size(), programs.size());
    EXPECT_THAT(std::vector<std::uint32_t>(lastTick.end() - static_cast<std::ptrdiff_t>(programs.size()), lastTick.end()),
                ElementsAreArray(programs));

    const BgmState& s = player.State();
    EXPECT_EQ(s.bar, 0);
    EXPECT_EQ(s.tick, 0);
    EXPECT_EQ(s.transpose, -4);
    EXPECT_EQ(s.drumPattern, 5);
    EXPECT_EQ(s.bassPattern, 3);
    EXPECT_EQ(s.chordPattern, 2);

    // The next tick plays the new phrase's downbeat: bass and chords transposed.
    std::size_t beforeDownbeat = out.ShortMessages().size();
    player.Tick();
    std::vector<std::uint32_t> downbeat = ShortsSince(out, beforeDownbeat);
    const std::uint8_t* bass = EventAt(kBassPatterns.data(), 3, 0, 0, kPitchedEventsPerBar);
    const std::uint8_t* chord = EventAt(kChordPatterns.data(), 2, 0, 0, kPitchedEventsPerBar);
    // Fallback draw 10: bass spread r(40) - 20 = -10, chord spread r(30) - 15 = -5.
    EXPECT_THAT(downbeat, ::testing::Contains(Msg(0x98, bass[1] - 4, bass[2] - 10)));
    EXPECT_THAT(downbeat, ::testing::Contains(Msg(0x90, chord[1] - 4, chord[2] - 5)));
}

TEST(BgmPlayer, ChordsMayChangePatternAtMidPhraseButSilentChordsStaySilent) {
    for (int chordDraw : {2, 6}) {
        SCOPED_TRACE(chordDraw);
        midi::RecordingMidiOut out;
        FeedRandom random(10);
        random.Push({0, 0, 0, 0, 6});
        CBgmPlayer player(out, random);
        player.Start();
        RunTicks(player, kTicksPerPhrase - 1);
        random.PushFallbacks(NoteDrawsOfNextTick(player.State()));
        random.Push({6, 0, 0, chordDraw});  // transpose 0, drum 0, bass 0, chords r(9)
        player.Tick();
        ASSERT_EQ(player.State().chordPattern, chordDraw);

        RunTicks(player, 4 * kTicksPerBar - 1);
        random.PushFallbacks(NoteDrawsOfNextTick(player.State()));
        random.Push({3});
        player.Tick();
        ASSERT_EQ(player.State().bar, 4);
        EXPECT_EQ(player.State().chordPattern, chordDraw < 4 ? 3 : chordDraw);
    }
}

TEST(BgmPlayer, NoteOffsDrawNoRandomNumbers) {
    midi::RecordingMidiOut out;
    FeedRandom random(10);
    random.Push({0, 0, 0, 0, 6});
    CBgmPlayer player(out, random);
    player.Start();
    RunTicks(player, kTicksPerPhrase);  // phrase two: fallback 10 picks bass 3, chords 1

    ASSERT_LT(player.State().bassPattern, kSilentBass);
    ASSERT_LT(player.State().chordPattern, kSilentChords);
    std::size_t before = out.ShortMessages().size();
    int drawsBefore = random.draws;
    RunTicks(player, kTicksPerBar - 1);  // stop short of the bar's end and its draws
    int noteOns = 0;
    for (std::uint32_t m : ShortsSince(out, before)) noteOns += midi::ShortData2(m) != 0 || midi::ShortStatus(m) == 0x99;
    EXPECT_EQ(random.draws - drawsBefore, noteOns);
}

TEST(BgmPlayer, StopSilencesEveryNoteOnAllThreeChannelsInOrder) {
    midi::RecordingMidiOut out;
    LcgRandom random(7);
    CBgmPlayer player(out, random);
    player.Start();
    RunTicks(player, 300);
    std::size_t before = out.ShortMessages().size();
    player.Stop();

    std::vector<std::uint32_t> expected;
    for (int note = 0; note < 127; ++note)
        for (int status : {0x90, 0x98, 0x99}) expected.push_back(Msg(status, note, 0));
    EXPECT_THAT(ShortsSince(out, before), ElementsAreArray(expected));
    EXPECT_EQ(player.State().playing, 0);

    std::size_t afterStop = out.ShortMessages().size();
    RunTicks(player, 300);
    EXPECT_EQ(out.ShortMessages().size(), afterStop) << "a stopped player stays quiet";
}

TEST(BgmPlayer, StopThenResumeContinuesExactlyWhereItLeftOff) {
    constexpr int kBefore = 2 * kTicksPerPhrase + 1000;  // inside a bar, with bass playing
    constexpr int kAfter = 3 * kTicksPerPhrase;
    midi::RecordingMidiOut straightOut, pausedOut;
    LcgRandom straightRandom(12345), pausedRandom(12345);
    CBgmPlayer straight(straightOut, straightRandom), paused(pausedOut, pausedRandom);
    straight.Start();
    paused.Start();
    RunTicks(straight, kBefore + kAfter);
    RunTicks(paused, kBefore);

    BgmState atStop = paused.State();
    paused.Stop();
    std::size_t afterStop = pausedOut.ShortMessages().size();
    BgmState stopped = paused.State();
    EXPECT_EQ(stopped.playing, 0);
    stopped.playing = 1;
    EXPECT_EQ(stopped, atStop) << "Stop keeps position, cursors and patterns";

    paused.Resume();
    EXPECT_EQ(paused.State(), atStop);
    RunTicks(paused, kAfter);

    // Without the Stop's 381 note-offs, the paused player sent exactly what the other did.
    std::vector<std::uint32_t> pausedAll = pausedOut.ShortMessages();
    auto stopBegin = pausedAll.begin() + static_cast<std::ptrdiff_t>(afterStop - 381);
    pausedAll.erase(stopBegin, stopBegin + 381);
    EXPECT_EQ(pausedAll, straightOut.ShortMessages());
    EXPECT_EQ(paused.State(), straight.State());
}

TEST(BgmPlayer, ResumeBeforeAnyStartPlaysTheDrumsOnlyOpening) {
    midi::RecordingMidiOut out;
    FeedRandom random(10);
    CBgmPlayer player(out, random);
    player.Resume();
    EXPECT_EQ(player.State().playing, 1);
    RunTicks(player, kTicksPerPhrase - 1);
    std::vector<std::uint32_t> sent = out.ShortMessages();
    ASSERT_FALSE(sent.empty());
    for (std::uint32_t m : sent) EXPECT_EQ(midi::ShortStatus(m), 0x99);
    const std::uint8_t* first = EventAt(kDrumPatterns.data(), 0, 0, 0, kDrumEventsPerBar);
    EXPECT_EQ(sent.front(), Msg(0x99, first[1], first[2]));  // spread r(20) - 10 = 0
}

TEST(BgmPlayer, SpreadVelocityClampsAndWrapsLikeAByte) {
    struct Case {
        int velocity, spread, sent;
    };
    for (const Case& c : std::vector<Case>{
             {6, -10, 127},   // below zero wraps to 252, then clamps
             {120, 19, 127},  // above 127 clamps
             {120, 7, 127},
             {100, -20, 80},
             {10, -10, 0},
             {127, 0, 127},
             {53, -20, 33},
         }) {
        EXPECT_EQ(SpreadVelocity(c.velocity, c.spread), c.sent) << c.velocity << " " << c.spread;
    }
}

TEST(BgmPlayer, DrumVelocitiesCarryTheDrawnSpread) {
    midi::RecordingMidiOut out;
    ScriptedRandom random{0, 0, 0, 0, 0};
    CBgmPlayer player(out, random);
    player.Start();
    std::size_t afterStart = out.ShortMessages().size();
    const BgmState& s = player.State();
    int hits = NoteDrawsOfNextTick(s);
    for (int i = 0; i < hits; ++i) random.Push(i % 2 == 0 ? 19 : 0);  // +9, -10
    player.Tick();
    std::vector<std::uint32_t> sent = ShortsSince(out, afterStart);
    ASSERT_EQ(sent.size(), static_cast<std::size_t>(hits));
    for (int i = 0; i < hits; ++i) {
        const std::uint8_t* e = EventAt(kDrumPatterns.data(), 0, 0, i, kDrumEventsPerBar);
        EXPECT_EQ(sent[i], Msg(0x99, e[1], SpreadVelocity(e[2], i % 2 == 0 ? 9 : -10)));
    }
}

}  // namespace
}  // namespace pelta
