#pragma once
// The batting game without a window: every service the game talks to is a quiet stand-in, the
// modal dialogs answer at once (the recorded name in the name entry, cancel in the practice
// dialog) and the game's visible course is written to a log. Music is left out: it would
// draw on the same random source, and its notes are no part of the game's state.

#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "pelta/dialog_api/pelta_dialogs.h"
#include "pelta/game/pelta_game.h"
#include "pelta/replay/recording.h"

namespace pelta {

class HeadlessGame {
public:
    HeadlessGame(std::uint32_t seed, std::string enteredName);
    ~HeadlessGame();

    // A key press or a menu command, before the next frame.
    void Apply(const InputEvent& event);
    // One 10 ms frame, when the game's timer runs; the frame count advances either way.
    void Tick();

    const GameState& state() const { return game_.state(); }
    int frame() const { return frame_; }

    // The log so far, then the final state and the high-score table, as text.
    std::string Dump() const;

private:
    class Services;
    std::ostringstream log_;
    std::unique_ptr<Services> services_;
    PeltaGame game_;
    int frame_ = 0;
    GamePhase lastPhase_ = GamePhase::Idle;
};

// Runs a recording from a fresh game to its last frame and returns the dump.
std::string Replay(const Recording& recording);

}  // namespace pelta
