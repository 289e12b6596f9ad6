#pragma once
// The background music as the game drives it: the generative player on the game's MIDI output.

#include <memory>

#include "game/platform.h"
#include "model/random.h"
#include "music/bgm_player.h"
#include "music/midi_out_factory.h"

namespace pelta {

class BgmMusic : public BackgroundMusic {
public:
    // The music draws from the game's own generator, as one rand() served both.
    explicit BgmMusic(Random& random) : out_(MakeMidiOut()), player_(*out_, random) {}

    void Open() { player_.Open(-1); }
    void Close() { player_.Close(); }

    void Start() override { player_.Start(); }
    void Stop() override { player_.Stop(); }
    void Resume() override { player_.Resume(); }
    void Tick() override { player_.Tick(); }
    bool IsEnabled() const override { return player_.Enabled(); }
    void SetEnabled(bool on) override { player_.SetEnabled(on); }

private:
    std::unique_ptr<MidiOut> out_;
    CBgmPlayer player_;
};

}  // namespace pelta
