#include "pelta/flight/swing.h"

#include <cstdlib>

#include "pelta/flight/effect_sound.h"
#include "pelta/flight/hit_table.h"
#include "pelta/render/caption.h"
#include "pelta/render/field_drawing.h"

namespace pelta {
namespace {

constexpr int kMissPenalty = 2;
constexpr int kWeakHitPenalty = 1;
constexpr int kCountUpFrames = 20;

bool IsHomeRun(PitchResult r) { return r == PitchResult::PerfectHomeRun || r == PitchResult::HomeRun; }

bool SwingInProgress(const GameState& s) {
    const int frame = s.batterFrame;
    if (frame >= SpriteIndex::BatterSwingStart && frame <= SpriteIndex::BatterSwingEnd) return true;
    return IsHomeRun(s.result) && frame >= SpriteIndex::BatterHomeRunSwingStart &&
           frame <= SpriteIndex::BatterHomeRunSwingEnd;
}

void CountResult(GameState& s) { s.resultCounts[static_cast<int>(s.result) - 1] += 1; }

void Hit(GameState& s, Canvas& canvas, audio::WavPlayer& sound) {
    s.phase = GamePhase::HitFlight;
    const int distance = std::abs(static_cast<int>(s.x) - kSweetSpotX);
    s.contactOffset = distance;
    // Back towards the pitcher, fastest from the sweet spot; past 22 it drifts to the right.
    s.speed = static_cast<float>(22 - distance);

    const HitOutcome out = ClassifyHit(distance, s.combo);
    s.result = out.result;
    s.combo = out.combo;
    s.points = out.points;
    if (s.result <= PitchResult::CleanHit) {
        s.pitcherFrame = SpriteIndex::PitcherTurnedAway;
        DrawPitcher(s, canvas);
    }
    if (IsHomeRun(s.result)) {
        s.batterFrame = SpriteIndex::BatterHomeRunSwingStart;
        DrawBatter(s, canvas);
    }
    if (s.result == PitchResult::WeakHit) {
        s.lives -= kWeakHitPenalty;
        DrawLives(s, canvas);
    }
    CountResult(s);

    s.contactOffset = 30 - distance;
    s.resultShown = 1;
    s.pointsStep = s.points / kCountUpFrames;
    s.pointsPending = s.points;
    PlayEffect(s, sound, kHitSound);
}

void SwingAndMiss(GameState& s, Canvas& canvas, audio::WavPlayer& sound) {
    s.result = PitchResult::SwingMiss;
    s.lives -= kMissPenalty;
    DrawLives(s, canvas);
    DrawBatter(s, canvas);
    s.combo = 0;
    CountResult(s);
    s.resultShown = 1;
    PlayEffect(s, sound, kSwingMissSound);
}

}  // namespace

bool SwingAccepted(const GameState& s) {
    return s.phase == GamePhase::Flight && s.batterFrame == SpriteIndex::BatterReady;
}

void StartSwing(GameState& s, Canvas& canvas) {
    s.batterFrame = SpriteIndex::BatterSwingStart;
    DrawBatter(s, canvas);
    s.phaseTicks = 0;
    BuildPitchCaption(s, canvas);
}

void SwingStep(GameState& s, Canvas& canvas, audio::WavPlayer& sound) {
    if (!SwingInProgress(s)) return;

    // Frames 15..17 show for 2 frames each, 18 and the home-run frames for 6.
    s.phaseTicks += 1;
    const int hold = s.batterFrame < SpriteIndex::BatterSwingEnd ? 1 : 5;
    if (s.phaseTicks > hold) {
        s.batterFrame += 1;
        s.phaseTicks = 0;
    }
    if (s.batterFrame == SpriteIndex::BatterHomeRunSwingEnd + 1) s.batterFrame = SpriteIndex::BatterFollowThrough;
    if (s.batterFrame == SpriteIndex::BatterFollowThrough) {
        if (s.result == PitchResult::SwingMiss) s.batterFrame = SpriteIndex::BatterDowncast;
        if (s.batterFrame == SpriteIndex::BatterFollowThrough && s.result == PitchResult::WeakHit)
            s.batterFrame = SpriteIndex::BatterSweating;
    }

    if (s.batterFrame == SpriteIndex::BatterContact && s.result == PitchResult::None) {
        if (kWindowLeft <= s.x && s.x <= kWindowRight)
            Hit(s, canvas, sound);
        else
            SwingAndMiss(s, canvas, sound);
    }
}

}  // namespace pelta
