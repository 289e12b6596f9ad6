#pragma once
// A game on recording and scripted stand-ins, driven frame by frame 51 ms apart.

#include <gtest/gtest.h>

#include <vector>

#include "minigolf/flow/golf_game.h"
#include "minigolf/flow/ranking_file.h"
#include "minigolf/testing/bitmap_bytes.h"
#include "minigolf/testing/course_bytes.h"
#include "minigolf/testing/memory_files.h"
#include "minigolf/testing/recording_effects.h"
#include "minigolf/testing/recording_presenter.h"
#include "minigolf/testing/scripted_mouse.h"

namespace test_support {

class GolfGameTest : public ::testing::Test {
protected:
    GolfGameTest() { EXPECT_TRUE(game.Start()); }

    static std::vector<std::uint8_t> Sheet() {
        return MakeBitmap(BitmapShape{.width = 640, .height = 480}, [](int x, int y) { return (x + 3 * y) % 255 + 1; });
    }

    void Frame() { ASSERT_TRUE(game.RunFrame(now += 51)); }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) Frame();
    }
    // Runs frames until the phase is reached, at most `limit`.
    void RunUntil(minigolf::GolfPhase phase, int limit = 2000) {
        for (int i = 0; i < limit && state().phase != phase; ++i) Frame();
        ASSERT_EQ(state().phase, phase);
    }

    minigolf::GolfState& state() { return game.State(); }

    void StoreRanking(const minigolf::RankTable& table) { files.files[minigolf::kRankingFile] = minigolf::EncodeRanking(table); }

    RecordingPresenter presenter;
    RecordingEffects effects;
    ScriptedMouse mouse;
    MemoryFiles files;
    std::vector<std::uint8_t> sheet = Sheet();
    minigolf::GolfGame game{minigolf::GolfPlatform{presenter, effects, mouse, files, sheet}};
    std::uint32_t now = 0;
};

}  // namespace test_support
