#pragma once
// A ball on a grid made of chosen tiles, with the state the steps change.

#include <gtest/gtest.h>

#include "minigolf/pages/sprites.h"
#include "minigolf/play/shot.h"
#include "minigolf/testing/recording_effects.h"

namespace minigolf::testing {

class ShotTest : public ::testing::Test {
protected:
    void FillTiles(std::int16_t code) {
        for (int r = 0; r < kTileRows; ++r) {
            for (int c = 0; c < kTileColumns; ++c) WriteTileCells(grid, r, c, code);
        }
    }
    void SetTile(int row, int column, std::int16_t code) { WriteTileCells(grid, row, column, code); }

    void Place(double x, double y, std::int32_t dir, double speed) {
        ball = Ball{x, y, dir, speed};
        sprites[kBallSprite].screenX = Truncate(x);
        sprites[kBallSprite].screenY = Truncate(y);
    }

    ShotState State() { return ShotState{ball, sprites, phase, strokes}; }
    void Roll() { StepBall(State(), grid, effects); }
    void Aim(std::int32_t dx, std::uint8_t button = 0) { AimStep(State(), MouseReading{dx, button}); }

    // Rolls until the ball leaves phase Rolling; the number of frames it took.
    int RollToRest(int limit = 1000) {
        phase = GolfPhase::kRolling;
        int frames = 0;
        while (phase == GolfPhase::kRolling && frames < limit) {
            Roll();
            ++frames;
        }
        return frames;
    }

    CollisionGrid grid;
    Ball ball;
    SpriteTable sprites;
    GolfPhase phase = GolfPhase::kRolling;
    std::int32_t strokes = 1;
    RecordingEffects effects;
};

}  // namespace minigolf::testing
