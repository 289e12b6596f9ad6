// A whole game of nine holes played from recorded mouse readings, checked against the strokes,
// the total and the ranking file that the recording's shots must give.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "golf_fixture.h"
#include "minigolf/course/course_files.h"

namespace minigolf {
namespace {

using test_support::CourseBytes;

class ReplayTest : public test_support::GolfGameTest {
protected:
    void LoadRecording(const std::string& path) {
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        std::string line;
        while (std::getline(in, line)) {
            line = line.substr(0, line.find('#'));
            std::istringstream fields(line);
            std::int32_t dx = 0;
            int button = 0;
            if (fields >> dx >> button) mouse.Push(dx, static_cast<std::uint8_t>(button));
        }
    }
};

TEST_F(ReplayTest, NineHolesFromARecording) {
    const std::int32_t pars[9] = {3, 4, 5, 2, 3, 4, 5, 4, 3};
    const std::int32_t planned[9] = {1, 3, 4, 2, 6, 5, 3, 9, 2};  // as the recording says
    for (int hole = 0; hole < 9; ++hole) {
        // The cup at tile (10, 10); the ball's centre one pixel below it.
        files.files[std::string(kCourseFiles[static_cast<std::size_t>(hole)])] =
            CourseBytes{}.Tile(10, 10, kCup).Par(pars[hole]).Start(160.0, 168.0).bytes;
    }
    RankTable stored;
    const std::int16_t scores[5] = {-3, 0, 1, 5, 8};
    for (int q = 0; q < 5; ++q) stored[q] = RankEntry{scores[q], {static_cast<std::int16_t>(q), 20, 21}};
    StoreRanking(stored);
    LoadRecording(MINIGOLF_TEST_DATA "/nine_holes.replay");
    ASSERT_FALSE(mouse.queue.empty());

    std::vector<std::int32_t> strokes;
    GolfPhase previous = state().phase;
    for (int frame = 0; frame < 20000 && !(mouse.queue.empty() && state().phase == GolfPhase::kWaitForStart);
         ++frame) {
        Frame();
        if (state().phase == GolfPhase::kHoleOut && previous != GolfPhase::kHoleOut) strokes.push_back(state().strokes);
        previous = state().phase;
    }

    EXPECT_EQ(strokes, std::vector<std::int32_t>(planned, planned + 9));
    std::int32_t total = 0;
    for (int hole = 0; hole < 9; ++hole) total += planned[hole] - pars[hole];
    ASSERT_EQ(total, 2);
    EXPECT_EQ(state().phase, GolfPhase::kWaitForStart);
    EXPECT_EQ(state().total, 99) << "nothing left to rank";

    RankTable expected = stored;
    expected[4] = stored[3];
    expected[3] = RankEntry{2, {0, 1, 2}};
    EXPECT_EQ(files.files.at(kRankingFile), EncodeRanking(expected));
}

}  // namespace
}  // namespace minigolf
