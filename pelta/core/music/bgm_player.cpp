#include "pelta/music/bgm_player.h"

#include <array>

#include "pelta/model/random.h"
#include "pelta/music/bgm_patterns.h"

namespace pelta {
namespace {

constexpr int kChordChannel = 0;
constexpr int kBassChannel = 8;
constexpr int kDrumChannel = 9;
constexpr int kNoteOn = 0x90;
constexpr int kControl = 0xB0;
constexpr int kProgram = 0xC0;
constexpr int kBankSelect = 0;
constexpr int kPan = 10;
constexpr int kReverbSend = 91;
constexpr int kFirstBassProgram = 32;   // General MIDI basses 32..38
constexpr int kBassProgramChoices = 7;
constexpr int kPianoChoices = 6;        // General MIDI pianos 0..5

constexpr std::array<std::uint8_t, 6> kGeneralMidiOn = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};

// One part's pass over the events due at `tick`: each event goes to `send`, the cursor moves on.
// The cursor stops at the end of the bar's slots, even in a bar whose every event is at tick 0.
template <typename Send>
void PlayDue(const std::uint8_t* table, int pattern, int bar, int eventsPerBar, int tick,
             std::int32_t& index, Send send) {
    while (index < eventsPerBar) {
        const std::uint8_t* event = table + EventOffset(pattern, bar, index, eventsPerBar);
        if (event[0] != tick) return;
        send(event[1], event[2]);
        ++index;
    }
}

}  // namespace

std::uint8_t SpreadVelocity(int velocity, int spread) {
    auto sum = static_cast<std::uint8_t>(velocity + spread);
    return sum > 127 ? 127 : sum;
}

CBgmPlayer::CBgmPlayer(midi::MidiOut& out, Random& random) : out_(out), random_(random) {}

int CBgmPlayer::Open(int deviceId) {
    out_.Open(deviceId);
    out_.SendLong(kGeneralMidiOn);
    return 1;
}

void CBgmPlayer::Close() {
    Stop();
    out_.Close();
}

void CBgmPlayer::SendShort(int status, int data1, int data2) {
    out_.SendShort(midi::PackShortMessage(status, data1, data2));
}

void CBgmPlayer::ProgramChange(int channel, int program) {
    ControlChange(channel, kBankSelect, 0);
    SendShort(kProgram | channel, program, 0);
}

void CBgmPlayer::ControlChange(int channel, int controller, int value) {
    SendShort(kControl | channel, controller, value);
}

void CBgmPlayer::Start() {
    if (!state_.enabled) return;
    ProgramChange(kBassChannel, kFirstBassProgram + random_.R(kBassProgramChoices));
    ProgramChange(kDrumChannel, kDrumKits[random_.R(8)]);
    ControlChange(kDrumChannel, kReverbSend, random_.R(128));
    ControlChange(kBassChannel, kReverbSend, 0);

    state_.playing = 1;
    state_.tick = 0;
    state_.bar = 0;
    state_.drumIndex = 0;
    state_.drumPattern = random_.R(kDrumPatternCount);
    state_.bassIndex = 0;
    state_.bassPattern = kSilentBass;  // every piece opens with eight bars of drums alone
    state_.chordIndex = 0;
    state_.chordPattern = kSilentChords;
    state_.transpose = random_.R(12) - 6;
}

void CBgmPlayer::Stop() {
    state_.playing = 0;
    // Note 127 is left out, as the music never reaches it.
    for (int note = 0; note < 127; ++note) {
        SendShort(kNoteOn | kChordChannel, note, 0);
        SendShort(kNoteOn | kBassChannel, note, 0);
        SendShort(kNoteOn | kDrumChannel, note, 0);
    }
}

void CBgmPlayer::Resume() {
    if (state_.enabled) state_.playing = 1;
}

void CBgmPlayer::Tick() {
    if (!state_.playing) return;
    PlayDrums();
    if (state_.bassPattern < kSilentBass) PlayBass();
    if (state_.chordPattern < kSilentChords) PlayChords();
    state_.tick += 1;
    if (state_.tick < kTicksPerBar) return;
    EndBar();
}

void CBgmPlayer::PlayDrums() {
    PlayDue(kDrumPatterns.data(), state_.drumPattern, state_.bar, kDrumEventsPerBar, state_.tick,
            state_.drumIndex, [this](int note, int velocity) {
                SendShort(kNoteOn | kDrumChannel, note, SpreadVelocity(velocity, random_.R(20) - 10));
            });
}

void CBgmPlayer::PlayBass() {
    PlayDue(kBassPatterns.data(), state_.bassPattern, state_.bar & 3, kPitchedEventsPerBar, state_.tick,
            state_.bassIndex, [this](int note, int velocity) {
                if (velocity != 0) velocity = SpreadVelocity(velocity, random_.R(40) - 20);
                SendShort(kNoteOn | kBassChannel, note + state_.transpose, velocity);
            });
}

void CBgmPlayer::PlayChords() {
    PlayDue(kChordPatterns.data(), state_.chordPattern, state_.bar & 3, kPitchedEventsPerBar, state_.tick,
            state_.chordIndex, [this](int note, int velocity) {
                if (velocity != 0) velocity = SpreadVelocity(velocity, random_.R(30) - 15);
                SendShort(kNoteOn | kChordChannel, note + state_.transpose, velocity);
            });
}

void CBgmPlayer::EndBar() {
    state_.tick = 0;
    state_.drumIndex = state_.bassIndex = state_.chordIndex = 0;
    state_.bar += 1;
    // Chords may change pattern at mid-phrase; silent chords stay silent.
    if (state_.bar == 4 && state_.chordPattern < kSilentChords) state_.chordPattern = random_.R(kChordPatternCount);
    if (state_.bar < kBarsPerPhrase) return;

    state_.bar = 0;
    state_.transpose = random_.R(12) - 6;
    state_.drumPattern = random_.R(kDrumPatternCount);
    state_.bassPattern = random_.R(kBassPatternCount);
    state_.chordPattern = random_.R(9);  // 4..8: chords rest this phrase
    ProgramChange(kBassChannel, kFirstBassProgram + random_.R(kBassProgramChoices));
    if (state_.chordPattern < kSilentChords) {
        ProgramChange(kChordChannel, random_.R(kPianoChoices));
        ControlChange(kChordChannel, kReverbSend, random_.R(128));
        ControlChange(kChordChannel, kPan, random_.R(128));
    }
    if (random_.R(10) == 1) {
        ProgramChange(kDrumChannel, kDrumKits[random_.R(8)]);
        ControlChange(kDrumChannel, kReverbSend, random_.R(128));
    }
}

}  // namespace pelta
