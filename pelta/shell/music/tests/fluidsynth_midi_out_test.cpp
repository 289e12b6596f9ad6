// The FluidSynth output rendered offline, and the fallback to silence.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "music/fluidsynth_midi_out.h"
#include "music/midi_out_factory.h"
#include "music/silent_midi_out.h"

namespace pelta {
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
    static constexpr const char* kName = "PELTA_SOUNDFONT";
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

}  // namespace
}  // namespace pelta
