#include "sound/sdl_sound_effects.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "files/wav_writer.h"
#include "sound/open_sound_effects.h"
#include "sound/silent_sound_effects.h"

namespace pelta {
namespace {

namespace fs = std::filesystem;

// One second of a quiet square wave: long enough to still be playing when the test looks.
void WriteWav(const fs::path& path) {
    constexpr int kRate = 22050;
    std::vector<std::int16_t> samples;
    for (int i = 0; i < kRate; ++i) samples.push_back((i / 50) % 2 ? 0x0400 : -0x0400);
    ASSERT_TRUE(files::WriteWav(path, {1, kRate, 16}, samples));
}

// The game reads its sounds from the current directory, so the tests run in a folder of their own.
class SdlSoundEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir_ = fs::temp_directory_path() / ("pelta_sound_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        previous_ = fs::current_path();
        fs::current_path(dir_);
        WriteWav(dir_ / "hit.wav");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }
    fs::path dir_, previous_;
};

TEST_F(SdlSoundEffectsTest, PlaysByNameAndANewSoundReplacesTheOld) {
    std::unique_ptr<SdlSoundEffects> sound = SdlSoundEffects::Open();
    ASSERT_TRUE(sound);
    EXPECT_EQ(Mix_AllocateChannels(-1), 1);

    sound->Play("hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound->Stop();
    EXPECT_EQ(Mix_Playing(-1), 0);

    sound->PlayLooped("hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound->Play("hit.wav");  // cached chunk, started again on the same channel
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlSoundEffectsTest, AMissingFileIsSilentAndCutsOffTheOldSound) {
    std::unique_ptr<SdlSoundEffects> sound = SdlSoundEffects::Open();
    ASSERT_TRUE(sound);
    sound->PlayLooped("hit.wav");
    sound->Play("pitch.wav");
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound->PlayLooped("applause.wav");
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound->Stop();

    // A file that appears later is found then.
    WriteWav(dir_ / "pitch.wav");
    sound->Play("pitch.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlSoundEffectsTest, OpensAgainAfterClosing) {
    SdlSoundEffects::Open().reset();
    EXPECT_TRUE(SdlSoundEffects::Open());
}

TEST_F(SdlSoundEffectsTest, FallsBackToSilenceWithoutAnAudioDevice) {
    EXPECT_TRUE(dynamic_cast<SdlSoundEffects*>(OpenSoundEffects().get()));
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::unique_ptr<SoundEffects> sound = OpenSoundEffects();
    ASSERT_TRUE(dynamic_cast<SilentSoundEffects*>(sound.get()));
    sound->Play("hit.wav");
    sound->Stop();
}

}  // namespace
}  // namespace pelta
