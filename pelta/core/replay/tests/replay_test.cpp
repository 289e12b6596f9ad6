// Each committed recording, replayed from a fresh game, must play out exactly as it did when it
// was recorded: the same pitches and results on the same frames, the same dialogs, end state
// and high-score table. Regenerate a dump only for an intended change of the game:
//   pelta-record replay recordings/LEVEL.txt > recordings/LEVEL.expected
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "pelta/replay/headless_game.h"

namespace pelta {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << path;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Replay, EachRecordedGamePlaysOutAsRecorded) {
    for (const char* level : {"easy", "normal", "trick", "anomani"}) {
        SCOPED_TRACE(level);
        const std::string base = std::string(PELTA_RECORDINGS_DIR) + "/" + level;
        std::string error;
        const auto recording = ParseRecording(ReadFile(base + ".txt"), error);
        ASSERT_TRUE(recording) << error;
        EXPECT_EQ(Replay(*recording), ReadFile(base + ".expected"));
    }
}

}  // namespace
}  // namespace pelta
