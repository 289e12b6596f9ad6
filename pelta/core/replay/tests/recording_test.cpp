#include "pelta/replay/recording.h"

#include <gtest/gtest.h>

namespace pelta {
namespace {

TEST(Recording, TextRoundTrips) {
    const Recording recording{4242, "ﾀﾛｳ #1", 900,
                              {{0, InputEvent::Kind::Command, Command::LevelTrick},
                               {40, InputEvent::Kind::Key, {}},
                               {40, InputEvent::Kind::Key, {}},
                               {812, InputEvent::Kind::Command, Command::Ranking}}};
    std::string error;
    EXPECT_EQ(ParseRecording(FormatRecording(recording), error), recording) << error;
}

TEST(Recording, RefusesWhatIsNotARecording) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"frames 10\n", "line 0: a recording needs its \"seed\" and \"frames\""},
        {"seed 1\nframes x\n", "line 2: \"frames\" needs one number"},
        {"seed 1\nframes 10\n5 key\n3 key\n", "line 4: events must be in frame order"},
        {"seed 1\nframes 10\n5 jump\n", "line 3: an event is \"key\" or \"command ID\""},
        {"seed 1\nframes 10\n5 key now\n", "line 3: unexpected \"now\""},
        {"seed 1\nframes 10\nspeed 3\n", "line 3: unknown item \"speed\""},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseRecording(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace pelta
