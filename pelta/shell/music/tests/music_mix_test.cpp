// The batting game's music as the synthesizer plays it: kit levels, pan width and reverb, so
// that no draw of the engine jumps out of the mix.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "pelta/music/bgm_patterns.h"
#include "common/synth/fluidsynth_midi_out.h"

namespace pelta {
namespace {

// The mix is set for the SoundFont the game ships with, the quieter of the two it was tried with.
constexpr const char* kPackagedSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class PackagedSoundFontMix : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kPackagedSoundFont)) GTEST_SKIP() << "TimGM6mb is not installed";
    }

    // A fresh synthesizer after General MIDI System On, as the player opens it.
    static std::unique_ptr<midi::FluidSynthMidiOut> Synth(const char* soundFont = kPackagedSoundFont) {
        auto synth = midi::FluidSynthMidiOut::CreateOffline(soundFont);
        const std::uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
        if (synth) synth->SendLong(gmOn);
        return synth;
    }

    static std::vector<std::int16_t> Render(midi::FluidSynthMidiOut& synth, double seconds) {
        std::vector<std::int16_t> buffer(static_cast<std::size_t>(seconds * midi::kSynthSampleRate) * 2);
        synth.Render(buffer);
        return buffer;
    }

    // The rock groove's second bar on the kit `program`, as interleaved stereo.
    static std::vector<std::int16_t> Groove(int program, const char* soundFont = kPackagedSoundFont) {
        auto synth = Synth(soundFont);
        synth->SendShort(midi::PackShortMessage(0xB9, 0, 0));
        synth->SendShort(midi::PackShortMessage(0xC9, program, 0));
        std::vector<std::int16_t> audio;
        for (int tick = 0; tick < kTicksPerBar; ++tick) {
            for (int i = 0; i < kDrumEventsPerBar; ++i) {
                const std::uint8_t* e = kDrumPatterns.data() + EventOffset(0, 1, i, kDrumEventsPerBar);
                if (e[0] == tick && e[2] != 0) synth->SendShort(midi::PackShortMessage(0x99, e[1], e[2]));
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
        synth->SendShort(midi::PackShortMessage(0xB0, 10, pan));
        synth->SendShort(midi::PackShortMessage(0x90, 64, 100));
        std::vector<std::int16_t> audio = Render(*synth, 0.5);
        EXPECT_LT(std::abs(Decibels(audio, 0, 2) - Decibels(audio, 1, 2)), 9.0);
    }
}

// A short chord struck and released, as interleaved stereo.
std::vector<std::int16_t> ShortChord(midi::FluidSynthMidiOut& synth, int reverbSend) {
    synth.SendShort(midi::PackShortMessage(0xB0, 91, reverbSend));
    for (int note : {60, 64, 67, 69}) synth.SendShort(midi::PackShortMessage(0x90, note, 100));
    std::vector<std::int16_t> audio(static_cast<std::size_t>(0.25 * midi::kSynthSampleRate) * 2);
    synth.Render(audio);
    for (int note : {60, 64, 67, 69}) synth.SendShort(midi::PackShortMessage(0x90, note, 0));
    std::vector<std::int16_t> tail(static_cast<std::size_t>(1.5 * midi::kSynthSampleRate) * 2);
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
