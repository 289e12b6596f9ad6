#include "minigolf/shell/wav_effects.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/audio/recording_wav_player.h"
#include "minigolf/resources/resources.h"
#include "common/sdl_audio/sdl_wav_player.h"

namespace minigolf {
namespace {

using audio::WavCall;

std::span<const std::uint8_t> Effect(int slot) {
    const std::span<const std::uint8_t> effects[kEffectCount] = {EMBEDDED_BYTES(pon),  EMBEDDED_BYTES(pon2),
                                                                 EMBEDDED_BYTES(cupin), EMBEDDED_BYTES(nice),
                                                                 EMBEDDED_BYTES(par),  EMBEDDED_BYTES(bogi)};
    return effects[slot];
}

TEST(WavEffects, EachSlotLoadsAndPlaysItsOwnSound) {
    audio::RecordingWavPlayer player;
    WavEffects effects;
    effects.Attach(&player);
    for (int slot = 0; slot < kEffectCount; ++slot) ASSERT_TRUE(effects.Load(slot, Effect(slot))) << slot;
    player.calls.clear();
    effects.PlayEffect(kCupInEffect);
    effects.PlayEffect(kParEffect);
    effects.PlayEffect(kEffectCount);  // no such slot
    EXPECT_EQ(player.calls, (std::vector<WavCall>{{WavCall::Kind::Play, "cupin"}, {WavCall::Kind::Play, "par"}}));
}

TEST(WavEffects, BytesOutsideTheFixedLayoutFailTheSetUp) {
    audio::RecordingWavPlayer player;
    WavEffects effects;
    effects.Attach(&player);
    std::vector<std::uint8_t> cut(Effect(kPonEffect).begin(), Effect(kPonEffect).begin() + 57);
    EXPECT_FALSE(effects.Load(kPonEffect, cut));
    EXPECT_FALSE(effects.Load(-1, Effect(kPonEffect)));
    EXPECT_TRUE(player.calls.empty());
}

TEST(WavEffects, AfterReleaseNothingPlays) {
    audio::RecordingWavPlayer player;
    WavEffects effects;
    effects.Attach(&player);
    effects.Attach(nullptr);
    effects.PlayEffect(kPonEffect);
    EXPECT_FALSE(effects.Load(kPonEffect, Effect(kPonEffect)));
    EXPECT_TRUE(player.calls.empty());
}

// The mixer's own WAV reader must take the stored layout (its 18-byte format record and the
// "fact" chunk before the samples) as it is.
TEST(WavEffects, TheMixerTakesEveryStoredEffect) {
    const auto mixer = audio::SdlWavPlayer::Open(audio::Voices::PerSound);
    ASSERT_TRUE(mixer) << "the dummy audio driver opens";
    WavEffects effects;
    effects.Attach(mixer.get());
    for (int slot = 0; slot < kEffectCount; ++slot) EXPECT_TRUE(effects.Load(slot, Effect(slot))) << kEffectNames[slot];
}

}  // namespace
}  // namespace minigolf
