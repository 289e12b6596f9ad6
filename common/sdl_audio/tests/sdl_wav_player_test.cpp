#include "common/sdl_audio/sdl_wav_player.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/audio/silent_wav_player.h"
#include "common/files/wav_writer.h"
#include "common/sdl_audio/open_wav_player.h"

namespace audio {
namespace {

namespace fs = std::filesystem;

// A quiet square wave, mono 16-bit at 22.05 kHz.
std::vector<std::uint8_t> Wav(int samples) {
    constexpr int kRate = 22050;
    std::vector<std::int16_t> wave;
    for (int i = 0; i < samples; ++i) wave.push_back((i / 50) % 2 ? 0x0400 : -0x0400);
    const std::string bytes = files::EncodeWav({1, kRate, 16}, wave);
    return {bytes.begin(), bytes.end()};
}

// One second: long enough to still be playing when the test looks.
const std::vector<std::uint8_t> kLongWav = Wav(22050);

void WriteWav(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(kLongWav.data()), static_cast<std::streamsize>(kLongWav.size()));
}

// Sounds are read from the current directory, so the tests run in a folder of their own.
class SdlWavPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir_ = fs::temp_directory_path() / ("sdl_audio_" + std::to_string(::getpid()));
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

TEST_F(SdlWavPlayerTest, OneVoicePlaysByNameAndANewSoundReplacesTheOld) {
    std::unique_ptr<SdlWavPlayer> sound = SdlWavPlayer::Open(Voices::One);
    ASSERT_TRUE(sound);
    WriteWav(dir_ / "pitch.wav");

    sound->Play("hit.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
    sound->StopAll();
    EXPECT_EQ(Mix_Playing(-1), 0);

    sound->PlayLooped("hit.wav");
    sound->Play("pitch.wav");
    sound->Play("hit.wav");  // cached chunk, started again on the same channel
    EXPECT_EQ(Mix_AllocateChannels(-1), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlWavPlayerTest, OnOneVoiceAMissingFileIsSilentAndCutsOffTheOldSound) {
    std::unique_ptr<SdlWavPlayer> sound = SdlWavPlayer::Open(Voices::One);
    ASSERT_TRUE(sound);
    sound->PlayLooped("hit.wav");
    sound->Play("pitch.wav");
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound->PlayLooped("applause.wav");
    EXPECT_EQ(Mix_Playing(-1), 0);

    // A file that appears later is found then.
    WriteWav(dir_ / "pitch.wav");
    sound->Play("pitch.wav");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlWavPlayerTest, VoicePerSoundOverlapsAndRestartsOnlyItself) {
    std::unique_ptr<SdlWavPlayer> sound = SdlWavPlayer::Open(Voices::PerSound);
    ASSERT_TRUE(sound);
    ASSERT_TRUE(sound->Load("cup", kLongWav));

    sound->Play("hit.wav");
    sound->PlayLooped("cup");
    EXPECT_EQ(Mix_Playing(-1), 2);
    sound->Play("hit.wav");
    sound->Play("nothing.wav");
    EXPECT_EQ(Mix_Playing(-1), 2);
    sound->StopAll();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SdlWavPlayerTest, LoadRefusesBytesThatAreNoWavAndTheNameThenPlaysNothing) {
    std::unique_ptr<SdlWavPlayer> sound = SdlWavPlayer::Open(Voices::PerSound);
    ASSERT_TRUE(sound);
    ASSERT_TRUE(sound->Load("shot", kLongWav));
    const std::vector<std::uint8_t> junk{'R', 'I', 'F', 'F', 0, 1, 2};
    EXPECT_FALSE(sound->Load("shot", junk));
    sound->Play("shot");
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SdlWavPlayerTest, PlayAndWaitReturnsWhenTheSoundHasEnded) {
    std::unique_ptr<SdlWavPlayer> sound = SdlWavPlayer::Open(Voices::PerSound);
    ASSERT_TRUE(sound);
    ASSERT_TRUE(sound->Load("click", Wav(1100)));  // 50 ms
    sound->PlayAndWait("click");
    EXPECT_EQ(Mix_Playing(-1), 0);
    sound->PlayAndWait("missing.wav");  // returns at once
}

TEST_F(SdlWavPlayerTest, OpensAgainAfterClosing) {
    SdlWavPlayer::Open(Voices::One).reset();
    EXPECT_TRUE(SdlWavPlayer::Open(Voices::One));
}

TEST_F(SdlWavPlayerTest, FallsBackToSilenceWithoutAnAudioDevice) {
    EXPECT_TRUE(dynamic_cast<SdlWavPlayer*>(OpenWavPlayer(Voices::One).get()));
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    std::unique_ptr<WavPlayer> sound = OpenWavPlayer(Voices::One);
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(dynamic_cast<SilentWavPlayer*>(sound.get()));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    sound->Play("hit.wav");
    sound->StopAll();
}

}  // namespace
}  // namespace audio
