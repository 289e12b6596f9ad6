#pragma once
// A ball on a grid made of chosen tiles, with the state the steps change.

#include <gtest/gtest.h>

#include "minigolf/pages/sprites.h"
#include "minigolf/play/shot.h"
#include "minigolf/testing/recording_effects.h"

namespace test_support {

class ShotTest : public ::testing::Test {
protected:
    void FillTiles(std::int16_t code) {
        for (int r = 0; r < minigolf::kTileRows; ++r) {
            for (int c = 0; c < minigolf::kTileColumns; ++c) minigolf::WriteTileCells(grid, r, c, code);
        }
    }
    void SetTile(int row, int column, std::int16_t code) { minigolf::WriteTileCells(grid, row, column, code); }

    void Place(double x, double y, std::int32_t dir, double speed) {
        ball = minigolf::Ball{x, y, dir, speed};
        sprites[minigolf::kBallSprite].screenX = minigolf::Truncate(x);
        sprites[minigolf::kBallSprite].screenY = minigolf::Truncate(y);
    }

    minigolf::ShotState State() { return minigolf::ShotState{ball, sprites, phase, strokes}; }
    void Roll() { minigolf::StepBall(State(), grid, effects); }
    void Aim(std::int32_t dx, std::uint8_t button = 0) { minigolf::AimStep(State(), minigolf::MouseReading{dx, button}); }

    // Rolls until the ball leaves phase Rolling; the number of frames it took.
    int RollToRest(int limit = 1000) {
        phase = minigolf::GolfPhase::kRolling;
        int frames = 0;
        while (phase == minigolf::GolfPhase::kRolling && frames < limit) {
            Roll();
            ++frames;
        }
        return frames;
    }

    minigolf::CollisionGrid grid;
    minigolf::Ball ball;
    minigolf::SpriteTable sprites;
    minigolf::GolfPhase phase = minigolf::GolfPhase::kRolling;
    std::int32_t strokes = 1;
    RecordingEffects effects;
};

}  // namespace test_support
