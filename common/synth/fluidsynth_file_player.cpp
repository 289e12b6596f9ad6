#include "common/synth/fluidsynth_file_player.h"

#include <fluidsynth.h>

namespace midi {

struct FluidSynthFilePlayer::Sequencer {
    fluid_player_t* player = nullptr;
    ~Sequencer() {
        if (!player) return;
        fluid_player_stop(player);
        delete_fluid_player(player);
    }
};

FluidSynthFilePlayer::FluidSynthFilePlayer(FluidSynthMidiOut& synth) : synth_(synth) {}

FluidSynthFilePlayer::~FluidSynthFilePlayer() { Stop(); }

// A finished fluid_player cannot be started again, so every Play gets a fresh one.
bool FluidSynthFilePlayer::Play(const std::string& path) {
    Stop();
    if (!fluid_is_midifile(path.c_str())) return false;
    auto sequencer = std::make_unique<Sequencer>();
    sequencer->player = new_fluid_player(synth_.Handle());
    if (!sequencer->player || fluid_player_add(sequencer->player, path.c_str()) != FLUID_OK ||
        fluid_player_play(sequencer->player) != FLUID_OK)
        return false;
    sequencer_ = std::move(sequencer);
    return true;
}

void FluidSynthFilePlayer::Stop() {
    if (!sequencer_) return;
    sequencer_.reset();
    synth_.Close();
}

bool FluidSynthFilePlayer::IsPlaying() const {
    return sequencer_ && fluid_player_get_status(sequencer_->player) == FLUID_PLAYER_PLAYING;
}

namespace {

// The player owning the synthesizer it plays on.
class LiveFilePlayer final : public MidiFilePlayer {
public:
    explicit LiveFilePlayer(std::unique_ptr<FluidSynthMidiOut> synth)
        : synth_(std::move(synth)), player_(*synth_) {}
    bool Play(const std::string& path) override { return player_.Play(path); }
    void Stop() override { player_.Stop(); }
    bool IsPlaying() const override { return player_.IsPlaying(); }

private:
    std::unique_ptr<FluidSynthMidiOut> synth_;
    FluidSynthFilePlayer player_;
};

}  // namespace

std::unique_ptr<MidiFilePlayer> MakeMidiFilePlayer() {
    if (auto synth = FluidSynthMidiOut::CreateLive(FindSoundFont()))
        return std::make_unique<LiveFilePlayer>(std::move(synth));
    return std::make_unique<SilentMidiFilePlayer>();
}

}  // namespace midi
