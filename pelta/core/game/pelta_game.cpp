#include "pelta/game/pelta_game.h"

#include "pelta/flight/effect_sound.h"
#include "pelta/flight/flight_step.h"
#include "pelta/flight/hit_flight.h"
#include "pelta/flight/swing.h"
#include "pelta/model/pitch_selection.h"
#include "pelta/render/caption.h"
#include "pelta/render/result_display.h"
#include "pelta/scores/high_score_insert.h"

namespace pelta {
namespace {

constexpr int kPasswordKeys = 1296;  // 36 × 36

bool IsHomeRun(PitchResult r) { return r == PitchResult::PerfectHomeRun || r == PitchResult::HomeRun; }

Level LevelOf(Command c) {
    switch (c) {
        case Command::LevelNormal: return Level::Normal;
        case Command::LevelTrick: return Level::Trick;
        case Command::LevelAnoMani: return Level::AnoMani;
        default: return Level::Easy;
    }
}

}  // namespace

bool PeltaGame::StartTimer() {
    if (io_.timer.Start()) return true;
    io_.host.ShowStopMessage(kTimerFailureText);
    return false;
}

void PeltaGame::StopSound() { StopEffects(s_, io_.sound); }

void PeltaGame::OnTimerTick() {
    io_.music.Tick();
    ShowResultLabel(s_, io_.canvas);
    DrawComboAndPoints(s_, io_.canvas);
    SwingStep(s_, io_.canvas, io_.sound);
    PhaseStep();
}

bool PeltaGame::AdvancePitcher(int holdTicks) {
    if (s_.phaseTicks <= holdTicks) return false;
    s_.phaseTicks = 0;
    s_.pitcherFrame += 1;
    DrawPitcher(s_, io_.canvas);
    return true;
}

void PeltaGame::PhaseStep() {
    Canvas& canvas = io_.canvas;
    switch (s_.phase) {
        case GamePhase::Idle:
        case GamePhase::GameOver:
            break;
        case GamePhase::Windup:
            if (AdvancePitcher(15) && s_.pitcherFrame > SpriteIndex::PitcherLastWindup) {
                s_.speed = InitialSpeed(s_.pitch.speed, io_.random);
                s_.phase = GamePhase::Delivery;
            }
            s_.phaseTicks += 1;
            break;
        case GamePhase::Delivery:
            if (AdvancePitcher(7) && s_.pitcherFrame > 9) {
                PlayEffect(s_, io_.sound, kPitchSound);
                s_.phase = GamePhase::Release;
                s_.x = kReleaseX;
                s_.y = kReleaseY;
            }
            s_.batterFrame = SpriteIndex::BatterReady;
            DrawBatter(s_, canvas);
            s_.phaseTicks += 1;
            break;
        case GamePhase::Release:
            if (AdvancePitcher(10) && s_.pitcherFrame > 10) s_.phase = GamePhase::Flight;
            s_.phaseTicks += 1;
            FlightStep(s_, canvas, io_.random);
            break;
        case GamePhase::Flight:
            FlightStep(s_, canvas, io_.random);
            break;
        case GamePhase::HitFlight:
            HitFlightStep(s_, canvas);
            break;
        case GamePhase::PitchOver:
            EndPitch();
            break;
    }
}

void PeltaGame::EndPitch() {
    if (s_.result == PitchResult::None) {
        s_.points = 0;
    } else if (IsHomeRun(s_.result) && s_.practiceMode != kContinuousPractice) {
        s_.pitcherFrame = SpriteIndex::PitcherOnKnees;
        s_.batterFrame = SpriteIndex::BatterVictory;
        DrawPitcher(s_, io_.canvas);
        DrawBatter(s_, io_.canvas);
        PlayEffectLooped(s_, io_.sound, kApplauseSound);
    }
    s_.phase = GamePhase::Idle;
    BuildPitchCaption(s_, io_.canvas);
    if (s_.combo > s_.maxCombo) s_.maxCombo = s_.combo;
    if (s_.lives < 1 && s_.practiceMode == kNormalGame) s_.phase = GamePhase::GameOver;
    if (s_.practiceMode == kContinuousPractice) OnKey();
}

void PeltaGame::OnKey() {
    StopSound();
    if (s_.phase == GamePhase::Idle) {
        StartPitch();
    } else if (s_.phase == GamePhase::Flight && SwingAccepted(s_)) {
        StartSwing(s_, io_.canvas);
    } else if (s_.phase == GamePhase::GameOver) {
        GameOverSequence();
    }
}

void PeltaGame::StartPitch() {
    if (s_.practiceMode == kNormalGame) s_.pitch = SelectPitch(s_.level, io_.random);

    s_.phase = GamePhase::Windup;
    s_.phaseTicks = 0;
    s_.pitcherFrame = SpriteIndex::PitcherStanding;
    s_.batterFrame = SpriteIndex::BatterStanding;
    s_.result = PitchResult::None;
    s_.points = 0;
    s_.resultShown = 0;
    s_.speedDone = s_.smallDone = s_.cloneDone = 0;
    s_.stopIndex = 0;
    s_.warpCount = 0;
    s_.waveDone = 0;
    s_.clonePhase = 0;

    s_.run = DrawPitchRun(io_.random);
    s_.stopped = 0;
    s_.stopTicks = 0;
    s_.verticalSpeed = 1.5f;
    s_.tornadoPhase = 0;

    s_.caption.clear();
    ClearResultLabel(io_.canvas);
    ClearCaptionLine(s_, io_.canvas);
    ClearPointsArea(io_.canvas);

    if (s_.practiceMode == kContinuousPractice) {
        // The windup ends on the second frame.
        s_.pitcherFrame = 6;
        s_.phaseTicks = 15;
    }
    DrawPitcher(s_, io_.canvas);
    DrawBatter(s_, io_.canvas);

    if (s_.lives < 1 && s_.practiceMode == kNormalGame) {
        s_.lives = kStartLives;
        io_.music.Start();
    }
    DrawLives(s_, io_.canvas);
}

void PeltaGame::OnKillFocus() {
    io_.music.Stop();
    io_.timer.Stop();
}

void PeltaGame::OnSetFocus() {
    StartTimer();
    if (s_.lives > 0 || s_.practiceMode != kNormalGame) io_.music.Resume();
}

void PeltaGame::ResetRound() {
    ResetBall(s_);
    s_.pitcherFrame = SpriteIndex::PitcherStanding;
    s_.batterFrame = SpriteIndex::BatterStanding;
    s_.result = PitchResult::None;
    s_.phase = GamePhase::Idle;
    s_.speed = 0;
    s_.maxCombo = 0;
    ResetScoring(s_);
    s_.resultCounts = {};
}

void PeltaGame::GameOverSequence() {
    io_.music.Stop();
    io_.timer.Stop();
    s_.phase = GamePhase::Idle;

    const int key = io_.random.R(kPasswordKeys);
    const int level = static_cast<int>(s_.level);
    io_.dialogs.ShowGameOver(GameOverData{level, s_.score, s_.maxCombo, key, s_.resultCounts});

    const FinishedGame game{s_.score, s_.maxCombo, key, s_.resultCounts};
    if (HighScorePosition(s_.highScores[level], s_.score)) {
        PlayEffectLooped(s_, io_.sound, kApplauseSound);
        if (auto slot = InsertHighScore(s_.highScores, level, game)) {
            HighScoreEntry& entry = s_.highScores[level].entries[*slot];
            s_.playerName = io_.dialogs.ShowNameEntry(
                NameEntryData{RankInHeadline(level, entry.rank), s_.playerName});
            entry.name = s_.playerName;
        }
    }

    RankingCommand();
    StartTimer();

    ResetRound();
    s_.caption = kStartPrompt;
    Redraw();
    StopSound();
}

void PeltaGame::RankingCommand() {
    io_.music.Stop();
    io_.timer.Stop();
    const int first = s_.practiceMode != kNormalGame ? 0 : static_cast<int>(s_.level);
    io_.dialogs.ShowRanking(RankingData{s_.highScores, first});
    // The game goes on when the view has the focus again.
}

void PeltaGame::PracticeCommand() {
    io_.music.Stop();
    io_.timer.Stop();

    PracticeSetup preset;
    if (s_.practiceMode != kNormalGame) {
        preset.pitch = s_.pitch;
        preset.continuous = s_.practiceMode == kContinuousPractice;
    }
    const std::optional<PracticeSetup> chosen = io_.dialogs.ShowPractice(preset);
    if (!chosen) {
        StartTimer();
        io_.music.Resume();
        return;
    }

    s_.practiceMode = kNormalGame;
    ClearCaptionLine(s_, io_.canvas);
    s_.pitch = chosen->pitch;
    s_.practiceMode = chosen->continuous ? kContinuousPractice : kPractice;

    ResetRound();
    s_.level = Level::Practice;

    BuildPitchCaption(s_, io_.canvas);
    Redraw();
    StartTimer();
    io_.music.Start();
}

void PeltaGame::LevelCommand(Level level) {
    io_.music.Stop();
    s_.practiceMode = kNormalGame;
    ResetRound();
    s_.caption = kStartPrompt;
    s_.level = level;
    Redraw();
    StopSound();
}

void PeltaGame::OnCommand(Command command) {
    switch (command) {
        case Command::LevelEasy:
        case Command::LevelNormal:
        case Command::LevelTrick:
        case Command::LevelAnoMani:
            LevelCommand(LevelOf(command));
            break;
        case Command::Practice:
            PracticeCommand();
            break;
        case Command::Ranking:
            RankingCommand();
            break;
        case Command::InternetRanking:
            io_.host.OpenRankingPage();
            break;
        case Command::WaveOn:
            s_.waveOn = 1;
            break;
        case Command::WaveOff:
            StopSound();
            s_.waveOn = 0;
            break;
        case Command::BgmOn:
            if (io_.music.IsEnabled()) break;
            io_.music.SetEnabled(true);
            if (s_.lives > 0 || s_.practiceMode != kNormalGame) io_.music.Start();
            break;
        case Command::BgmOff:
            io_.music.Stop();
            io_.music.SetEnabled(false);
            break;
        case Command::HelpTopics:
            io_.host.ShowHelp();
            break;
    }
}

bool PeltaGame::IsChecked(Command command) const {
    switch (command) {
        case Command::LevelEasy:
        case Command::LevelNormal:
        case Command::LevelTrick:
        case Command::LevelAnoMani:
            return s_.level == LevelOf(command);
        case Command::Practice: return s_.practiceMode != kNormalGame;
        case Command::WaveOn: return s_.waveOn != 0;
        case Command::WaveOff: return s_.waveOn == 0;
        case Command::BgmOn: return io_.music.IsEnabled();
        case Command::BgmOff: return !io_.music.IsEnabled();
        default: return false;
    }
}

}  // namespace pelta
