#pragma once
// The background music: one Standard MIDI File played again from its start whenever it ends.

#include <string>

#include "common/midi/midi_file_player.h"

namespace minigolf {

inline constexpr const char* kMusicFile = "music1.mid";

class MusicLoop {
public:
    MusicLoop(midi::MidiFilePlayer& player, std::string path) : player_(player), path_(std::move(path)) {}

    // Starts the piece. A file that is missing or no MIDI file leaves the game silent of music
    // and is not asked for again.
    void Start();
    // Called every frame: starts the piece again once it has ended.
    void Poll();
    // Ends the music for good.
    void Stop();

private:
    midi::MidiFilePlayer& player_;
    std::string path_;
    bool looping_ = false;
};

}  // namespace minigolf
