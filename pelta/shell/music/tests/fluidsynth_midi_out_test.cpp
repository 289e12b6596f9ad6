// The FluidSynth output rendered offline, and the fallback to silence.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "music/bgm_patterns.h"
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

// The mix is set for the SoundFont the game ships with, the quieter of the two it was tried with.
constexpr const char* kPackagedSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class PackagedSoundFontMix : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kPackagedSoundFont)) GTEST_SKIP() << "TimGM6mb is not installed";
    }

    // A fresh synthesizer after General MIDI System On, as the player opens it.
    static std::unique_ptr<FluidSynthMidiOut> Synth(const char* soundFont = kPackagedSoundFont) {
        auto synth = FluidSynthMidiOut::CreateOffline(soundFont);
        const std::uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
        if (synth) synth->SendLong(gmOn);
        return synth;
    }

    static std::vector<std::int16_t> Render(FluidSynthMidiOut& synth, double seconds) {
        std::vector<std::int16_t> buffer(static_cast<std::size_t>(seconds * kSynthSampleRate) * 2);
        synth.Render(buffer);
        return buffer;
    }

    // The rock groove's second bar on the kit `program`, as interleaved stereo.
    static std::vector<std::int16_t> Groove(int program, const char* soundFont = kPackagedSoundFont) {
        auto synth = Synth(soundFont);
        synth->SendShort(PackShortMessage(0xB9, 0, 0));
        synth->SendShort(PackShortMessage(0xC9, program, 0));
        std::vector<std::int16_t> audio;
        for (int tick = 0; tick < kTicksPerBar; ++tick) {
            for (int i = 0; i < kDrumEventsPerBar; ++i) {
                const std::uint8_t* e = kDrumPatterns.data() + EventOffset(0, 1, i, kDrumEventsPerBar);
                if (e[0] == tick && e[2] != 0) synth->SendShort(PackShortMessage(0x99, e[1], e[2]));
            }
            std::vector<std::int16_t> frames = Render(*synth, 1.0 / 100);
            audio.insert(audio.end(), frames.begin(), frames.end());
        }
        return audio;
    }
};

// Root mean square in dB of every `step`-th sample from `first` on.
double Decibels(const std::vector<std::int16_t>& samples, std::size_t first = 0, std::size_t step = 1) {
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t i = first; i < samples.size(); i += step, ++count) sum += double(samples[i]) * samples[i];
    return 10 * std::log10(std::max(sum / std::max<std::size_t>(count, 1), 1e-9));
}

// A kit change drawn at a phrase change must not make the drums jump in level, with either of
// the SoundFonts the music is played with (the louder one where it is installed).
TEST_F(PackagedSoundFontMix, EveryDrawnKitPlaysAtTheStandardKitsLevel) {
    for (const char* soundFont : {kPackagedSoundFont, "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (!std::filesystem::exists(soundFont)) continue;
        const double standard = Decibels(Groove(0, soundFont));
        for (int kit : kDrumKits) {
            SCOPED_TRACE(std::string(soundFont) + " kit " + std::to_string(kit));
            EXPECT_NEAR(Decibels(Groove(kit, soundFont)), standard, 1.5);
        }
    }
}

// Kits 1 and 26 are not in the SoundFont: rather than falling back to the standard kit, they
// play another kit, so the draw still changes the sound.
TEST_F(PackagedSoundFontMix, MissingKitsPlayAnotherKitThanTheStandard) {
    const std::vector<std::int16_t> standard = Groove(0);
    for (int kit : {1, 26}) {
        SCOPED_TRACE("kit " + std::to_string(kit));
        std::vector<std::int16_t> played = Groove(kit);
        ASSERT_EQ(played.size(), standard.size());
        std::size_t differing = 0;
        for (std::size_t i = 0; i < played.size(); ++i) differing += std::abs(played[i] - standard[i]) > 64;
        EXPECT_GT(differing, played.size() / 10);
    }
}

// However the chords are panned, both ears hear them.
TEST_F(PackagedSoundFontMix, PanStaysWithinAModerateWidth) {
    for (int pan : {0, 127}) {
        SCOPED_TRACE("pan " + std::to_string(pan));
        auto synth = Synth();
        synth->SendShort(PackShortMessage(0xB0, 10, pan));
        synth->SendShort(PackShortMessage(0x90, 64, 100));
        std::vector<std::int16_t> audio = Render(*synth, 0.5);
        EXPECT_LT(std::abs(Decibels(audio, 0, 2) - Decibels(audio, 1, 2)), 9.0);
    }
}

// A short chord struck and released, as interleaved stereo.
std::vector<std::int16_t> ShortChord(FluidSynthMidiOut& synth, int reverbSend) {
    synth.SendShort(PackShortMessage(0xB0, 91, reverbSend));
    for (int note : {60, 64, 67, 69}) synth.SendShort(PackShortMessage(0x90, note, 100));
    std::vector<std::int16_t> audio(static_cast<std::size_t>(0.25 * kSynthSampleRate) * 2);
    synth.Render(audio);
    for (int note : {60, 64, 67, 69}) synth.SendShort(PackShortMessage(0x90, note, 0));
    std::vector<std::int16_t> tail(static_cast<std::size_t>(1.5 * kSynthSampleRate) * 2);
    synth.Render(tail);
    audio.insert(audio.end(), tail.begin(), tail.end());
    return audio;
}

// Even the largest reverb send the player draws adds room, not a wash: the reverb (what the
// send adds to the dry sound) stays well below the chord it comes from.
TEST_F(PackagedSoundFontMix, LargestReverbSendStaysWellBelowTheDrySound) {
    std::vector<std::int16_t> dry = ShortChord(*Synth(), 0);
    std::vector<std::int16_t> wet = ShortChord(*Synth(), 127);
    ASSERT_EQ(dry.size(), wet.size());
    std::vector<std::int16_t> reverb(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i) reverb[i] = static_cast<std::int16_t>(wet[i] - dry[i]);
    EXPECT_LT(Decibels(reverb) - Decibels(dry), -20.0);
}

}  // namespace
}  // namespace pelta
