#include "minigolf/shell/music_loop.h"

#include <gtest/gtest.h>

#include "common/midi/recording_midi_file_player.h"

namespace minigolf {
namespace {

TEST(MusicLoop, StartsAgainFromTheBeginningOnlyOnceThePieceHasEnded) {
    midi::RecordingMidiFilePlayer player;
    MusicLoop music(player, kMusicFile);
    music.Start();
    music.Poll();
    music.Poll();
    EXPECT_EQ(player.played, (std::vector<std::string>{"music1.mid"}));

    player.playing = false;  // the piece ends
    music.Poll();
    EXPECT_EQ(player.played, (std::vector<std::string>{"music1.mid", "music1.mid"}));
    EXPECT_TRUE(player.playing);
}

TEST(MusicLoop, AMissingFileIsNotAskedForAgain) {
    midi::RecordingMidiFilePlayer player;
    player.playable = false;
    MusicLoop music(player, kMusicFile);
    music.Start();
    for (int frame = 0; frame < 5; ++frame) music.Poll();
    EXPECT_EQ(player.played.size(), 1u);
}

TEST(MusicLoop, StoppedMusicStaysStopped) {
    midi::RecordingMidiFilePlayer player;
    MusicLoop music(player, kMusicFile);
    music.Start();
    music.Stop();
    music.Poll();
    EXPECT_EQ(player.stops, 1);
    EXPECT_FALSE(player.playing);
    EXPECT_EQ(player.played.size(), 1u);
}

}  // namespace
}  // namespace minigolf
