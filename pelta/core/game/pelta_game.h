#pragma once
// The batting game as its view runs it: the frame step, the one-button input, focus pauses,
// the menu's game commands and the game-over, ranking and practice sequences. The view calls
// these from its window thread, one at a time; the game never waits or sleeps.

#include "common/audio/wav_player.h"
#include "pelta/dialog_api/pelta_dialogs.h"
#include "pelta/game/commands.h"
#include "pelta/game/platform.h"
#include "pelta/model/game_state.h"
#include "pelta/model/random.h"
#include "pelta/music/background_music.h"
#include "pelta/render/canvas.h"
#include "pelta/render/field_drawing.h"
#include "pelta/sound/sound_names.h"

namespace pelta {

inline constexpr char kTimerFailureText[] = "ﾀｲﾏｰｾｯﾄに失敗しました。";

struct GameServices {
    Canvas& canvas;
    audio::WavPlayer& sound;
    BackgroundMusic& music;
    FrameTimer& timer;
    PeltaDialogs& dialogs;
    GameHost& host;
    Random& random;
};

class PeltaGame {
public:
    explicit PeltaGame(GameServices services) : io_(services) {}

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }

    // Starts the frame tick; on failure shows the timer message and returns false.
    bool StartTimer();
    void StopTimer() { io_.timer.Stop(); }

    void OnTimerTick();
    // Any key or the left button.
    void OnKey();
    void OnKillFocus();
    void OnSetFocus();
    // The whole field, as the paint handler and several commands draw it.
    void Redraw() { DrawField(s_, io_.canvas); }

    void OnCommand(Command command);
    bool IsChecked(Command command) const;

    // The sound-effect switch, honoured before any effect call.
    void StopSound();

private:
    void StartPitch();
    void EndPitch();
    void PhaseStep();
    void GameOverSequence();
    void RankingCommand();
    void PracticeCommand();
    void LevelCommand(Level level);
    // Back to the prompt: ball, figures, score, lives and counts of the game or practice.
    void ResetRound();
    // Steps the pitcher's animation once phaseTicks has passed holdTicks.
    bool AdvancePitcher(int holdTicks);

    GameServices io_;
    GameState s_;
};

}  // namespace pelta
