#include "minigolf/shell/frame_wait.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace minigolf {
namespace {

struct WaitCase {
    std::uint32_t now;
    std::uint32_t lastFrame;
    std::uint32_t wait;
};

class FrameWait : public ::testing::TestWithParam<WaitCase> {};

// Sleeping the returned time must land exactly on the first tick the gate opens at: one tick
// earlier it is still shut.
TEST_P(FrameWait, EndsOnTheFirstTickTheGateOpens) {
    const WaitCase c = GetParam();
    EXPECT_EQ(MsUntilFrameDue(c.now, c.lastFrame), c.wait);
    std::uint32_t last = c.lastFrame;
    if (c.wait > 0) {
        EXPECT_FALSE(FrameDue(c.now + c.wait - 1, last));
        EXPECT_EQ(last, c.lastFrame);
    }
    EXPECT_TRUE(FrameDue(c.now + c.wait, last));
}

INSTANTIATE_TEST_SUITE_P(Ticks, FrameWait,
                         ::testing::Values(WaitCase{1000, 1000, 51},         // a frame has just run
                                         WaitCase{1050, 1000, 1},          // 50 ms later: one more
                                         WaitCase{1051, 1000, 0},          // 51 ms: due now
                                         WaitCase{5000, 1000, 0},          // long overdue
                                         WaitCase{0, 0, 51},               // at start
                                         WaitCase{20, 0xFFFFFFF0u, 15},    // counter wrapped 36 ms ago
                                         WaitCase{0xFFFFFFFFu, 0xFFFFFFE0u, 20}));  // about to wrap

}  // namespace
}  // namespace minigolf
