// The FluidSynth output and its MIDI file player rendered offline, and the fallback to silence.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>
#include <vector>

#include "common/midi/silent_midi_out.h"
#include "common/synth/fluidsynth_file_player.h"
#include "common/synth/fluidsynth_midi_out.h"
#include "common/synth/midi_out_factory.h"

namespace midi {
namespace {

class ScopedSoundFontVariable {
public:
    explicit ScopedSoundFontVariable(const char* value) {
        if (const char* old = std::getenv(kName)) saved_ = old;
        setenv(kName, value, 1);
    }
    ~ScopedSoundFontVariable() {
        if (saved_.empty()) unsetenv(kName);
        else setenv(kName, saved_.c_str(), 1);
    }

private:
    static constexpr const char* kName = "COLLECTION_SOUNDFONT";
    std::string saved_;
};

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// Renders `seconds` of audio and returns the loudest sample.
int RenderPeak(FluidSynthMidiOut& synth, double seconds) {
    std::vector<std::int16_t> buffer(static_cast<std::size_t>(seconds * kSynthSampleRate) * 2);
    synth.Render(buffer);
    return Peak(buffer);
}

TEST(MidiOutFactory, MissingSoundFontFallsBackToSilenceWithOneLine) {
    ScopedSoundFontVariable missing("/nonexistent/none.sf2");
    EXPECT_EQ(FindSoundFont(), "/nonexistent/none.sf2");
    ::testing::internal::CaptureStderr();
    std::unique_ptr<MidiOut> out = MakeMidiOut();
    std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_NE(out, nullptr);
    EXPECT_NE(dynamic_cast<SilentMidiOut*>(out.get()), nullptr);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("/nonexistent/none.sf2"), std::string::npos);

    ::testing::internal::CaptureStderr();
    std::unique_ptr<MidiFilePlayer> music = MakeMidiFilePlayer();
    err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(dynamic_cast<SilentMidiFilePlayer*>(music.get()), nullptr);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // The silent output takes everything the player sends.
    EXPECT_TRUE(out->Open(-1));
    out->SendShort(PackShortMessage(0x90, 60, 100));
    out->Close();
}

class FluidSynthOutput : public ::testing::Test {
protected:
    void SetUp() override {
        std::string soundFont = FindSoundFont();
        if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
        synth_ = FluidSynthMidiOut::CreateOffline(soundFont);
        ASSERT_NE(synth_, nullptr);
        ASSERT_TRUE(synth_->Open(-1));
        const std::uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
        synth_->SendLong(gmOn);
    }
    std::unique_ptr<FluidSynthMidiOut> synth_;
};

TEST_F(FluidSynthOutput, NotesSoundAndDieAwayAfterTheirNoteOff) {
    struct Case {
        const char* what;
        int channel, program, note;
    };
    for (const Case& c : {Case{"piano", 0, 0, 60}, Case{"bass", 8, 33, 33}, Case{"drum kit", 9, 0, 38}}) {
        SCOPED_TRACE(c.what);
        synth_->SendShort(PackShortMessage(0xB0 | c.channel, 0, 0));
        synth_->SendShort(PackShortMessage(0xC0 | c.channel, c.program, 0));
        EXPECT_LT(RenderPeak(*synth_, 0.1), 8) << "only dither before the note";
        synth_->SendShort(PackShortMessage(0x90 | c.channel, c.note, 110));
        EXPECT_GT(RenderPeak(*synth_, 0.3), 500);
        synth_->SendShort(PackShortMessage(0x90 | c.channel, c.note, 0));
        RenderPeak(*synth_, 4.0);
        EXPECT_EQ(synth_->ActiveVoices(), 0);
        EXPECT_LT(RenderPeak(*synth_, 0.1), 8);
    }
}

TEST_F(FluidSynthOutput, CloseSilencesHeldNotesAndBadSysExIsIgnored) {
    const std::uint8_t unframed[] = {0x7E, 0x7F, 0x09, 0x01};
    synth_->SendLong(unframed);
    synth_->SendLong({});
    synth_->SendShort(PackShortMessage(0x90, 64, 100));
    EXPECT_GT(RenderPeak(*synth_, 0.2), 500);
    synth_->Close();
    RenderPeak(*synth_, 0.5);
    EXPECT_EQ(synth_->ActiveVoices(), 0);
}

// One quarter note of middle C at the default 120 beats a minute: half a second of music.
const std::vector<std::uint8_t> kOneNoteSmf = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,   // format 0, one track, 96 ticks a beat
    'M', 'T', 'r', 'k', 0, 0, 0, 12,
    0x00, 0x90, 60, 100,                                  // note on
    0x60, 0x80, 60, 64,                                   // 96 ticks later, note off
    0x00, 0xFF, 0x2F, 0x00};                              // end of track

class FluidSynthFilePlayerTest : public FluidSynthOutput {
protected:
    void SetUp() override {
        FluidSynthOutput::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        dir_ = std::filesystem::temp_directory_path() / ("synth_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        Write("music1.mid", kOneNoteSmf);
        Write("text.mid", {'n', 'o', 't', ' ', 'M', 'I', 'D', 'I'});
        player_ = std::make_unique<FluidSynthFilePlayer>(*synth_);
    }
    void TearDown() override {
        player_.reset();
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }
    void Write(const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(dir_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    // Renders in 10 ms steps until the piece ends, at most `limit` seconds; the seconds taken.
    double RenderUntilEnd(double limit, int* peak) {
        double seconds = 0;
        while (player_->IsPlaying() && seconds < limit) {
            *peak = std::max(*peak, RenderPeak(*synth_, 0.01));
            seconds += 0.01;
        }
        return seconds;
    }

    std::filesystem::path dir_;
    std::unique_ptr<FluidSynthFilePlayer> player_;
};

TEST_F(FluidSynthFilePlayerTest, PlaysThePieceReportsItsEndAndPlaysItAgain) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(player_->Play(Path("music1.mid")));
        EXPECT_TRUE(player_->IsPlaying());
        int peak = 0;
        // The piece ends once its last note has died away, a few seconds after the note-off.
        const double seconds = RenderUntilEnd(10.0, &peak);
        EXPECT_FALSE(player_->IsPlaying());
        EXPECT_GE(seconds, 0.45);
        EXPECT_GT(peak, 500);
    }
}

TEST_F(FluidSynthFilePlayerTest, AMissingOrForeignFilePlaysNothing) {
    for (const char* name : {"none.mid", "text.mid"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(player_->Play(Path(name)));
        EXPECT_FALSE(player_->IsPlaying());
        EXPECT_LT(RenderPeak(*synth_, 0.2), 8);
    }
}

TEST_F(FluidSynthFilePlayerTest, StopEndsThePieceAndSilencesItsNotes) {
    ASSERT_TRUE(player_->Play(Path("music1.mid")));
    EXPECT_GT(RenderPeak(*synth_, 0.2), 500);
    player_->Stop();
    EXPECT_FALSE(player_->IsPlaying());
    RenderPeak(*synth_, 0.5);
    EXPECT_EQ(synth_->ActiveVoices(), 0);
    player_->Stop();
}

}  // namespace
}  // namespace midi
