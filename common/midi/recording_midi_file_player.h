#pragma once
// Test player: keeps the pieces asked for; the test ends a piece by setting `playing`.

#include <string>
#include <vector>

#include "common/midi/midi_file_player.h"

namespace midi {

class RecordingMidiFilePlayer final : public MidiFilePlayer {
public:
    bool Play(const std::string& path) override {
        played.push_back(path);
        playing = playable;
        return playable;
    }
    void Stop() override {
        ++stops;
        playing = false;
    }
    bool IsPlaying() const override { return playing; }

    std::vector<std::string> played;
    int stops = 0;
    bool playing = false;
    bool playable = true;  // false: every file is missing
};

}  // namespace midi
