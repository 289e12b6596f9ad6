#include "pelta/scores/settings.h"

#include <gtest/gtest.h>

#include "pelta/scores/memory_settings_store.h"

namespace pelta {
namespace {

TEST(Settings, AbsentKeysTakeTheDefaults) {
    MemorySettingsStore store;
    Settings s = LoadSettings(store);
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.waveOn, 1);
    EXPECT_EQ(s.bgmOn, 1);
    EXPECT_EQ(s.playerName, "na･na･shi");
}

TEST(Settings, LevelKeepsItsLowByteAndFallsBackToEasyAboveAnoMani) {
    struct Case {
        std::int32_t stored;
        std::uint8_t loaded;
    };
    const Case cases[] = {{0, 0}, {3, 3}, {4, 0}, {10, 0}, {255, 0}, {-1, 0}, {257, 1}, {0x103, 3}};
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.ints["Level"] = c.stored;
        EXPECT_EQ(LoadSettings(store).level, c.loaded) << c.stored;
    }
}

TEST(Settings, OtherValuesAreTakenAsRead) {
    MemorySettingsStore store;
    store.ints["Wave Sound"] = 0;
    store.ints["BGM Sound"] = 7;
    store.texts["Name"] = "ﾔﾏﾀﾞ";
    Settings s = LoadSettings(store);
    EXPECT_EQ(s.waveOn, 0);
    EXPECT_EQ(s.bgmOn, 7);
    EXPECT_EQ(s.playerName, "ﾔﾏﾀﾞ");
}

TEST(Settings, SaveWritesAllFourAndStoresPracticeAsEasy) {
    MemorySettingsStore store;
    SaveSettings(store, Settings{.level = 10, .waveOn = 0, .bgmOn = 1, .playerName = "ﾅﾅｼ"});
    EXPECT_EQ(store.ints, (std::map<std::string, std::int32_t>{{"Level", 0}, {"Wave Sound", 0}, {"BGM Sound", 1}}));
    EXPECT_EQ(store.texts, (std::map<std::string, std::string>{{"Name", "ﾅﾅｼ"}}));

    const Settings trick{.level = 2, .waveOn = 1, .bgmOn = 0, .playerName = "a"};
    SaveSettings(store, trick);
    EXPECT_EQ(LoadSettings(store), trick);
}

}  // namespace
}  // namespace pelta
