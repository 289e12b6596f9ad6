#include "minigolf/shell/shell_devices.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "minigolf/resources/resources.h"

namespace minigolf {
namespace {

EffectResources StoredEffects() {
    return {EMBEDDED_BYTES(pon), EMBEDDED_BYTES(pon2), EMBEDDED_BYTES(cupin),
            EMBEDDED_BYTES(nice), EMBEDDED_BYTES(par), EMBEDDED_BYTES(bogi)};
}

class Devices : public ::testing::Test {
protected:
    void TearDown() override {
        devices.ReleaseAll();
        SDL_Quit();
    }
    ShellDevices devices;
};

TEST_F(Devices, SetUpInOrderThenReleasedTwice) {
    ASSERT_TRUE(devices.SetUpDisplay());
    ASSERT_TRUE(devices.SetUpSound(StoredEffects()));
    ASSERT_TRUE(devices.SetUpMouse());
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);

    devices.ReleaseAll();
    EXPECT_FALSE(devices.display);
    EXPECT_FALSE(devices.sound);
    EXPECT_FALSE(devices.music);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    devices.effects.PlayEffect(kPonEffect);  // released: plays nothing, touches nothing
    devices.ReleaseAll();
    EXPECT_FALSE(devices.display);
}

TEST_F(Devices, AnEffectThatDoesNotLoadFailsTheSoundSetUp) {
    EffectResources effects = StoredEffects();
    const std::vector<std::uint8_t> notAWave(100, 0);
    effects[kBogiEffect] = notAWave;
    EXPECT_FALSE(devices.SetUpSound(effects));
}

}  // namespace
}  // namespace minigolf
