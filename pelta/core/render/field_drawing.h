#pragma once
// Every picture the batting field shows, each at its fixed place. Called by the flight and
// judgement steps, the frame loop, the menu commands and the view's paint handler. Each
// operation blits only its own rectangle; nothing is repainted between frames.

#include "pelta/model/game_state.h"
#include "pelta/render/canvas.h"

namespace pelta {

void DrawPitcher(const GameState& s, Canvas& canvas);
void DrawBatter(const GameState& s, Canvas& canvas);

// The ball's picture (ballSprite) at (x, y); the place drawn becomes (prevX, prevY).
void DrawBall(GameState& s, Canvas& canvas);
// The ball's picture shown at a shifted place while its true position stays (clones, tornado).
void DrawBallAt(GameState& s, Canvas& canvas, float atX, float atY);
// The background square over the ball's last drawn place.
void EraseBall(const GameState& s, Canvas& canvas);

void DrawLives(const GameState& s, Canvas& canvas);
// Nothing in practice.
void DrawLevelLabel(const GameState& s, Canvas& canvas);
// Clamps the score to 9,999,999 first, then shows it as seven digits.
void DrawScore(GameState& s, Canvas& canvas);

void ClearResultLabel(Canvas& canvas);
void ClearComboArea(Canvas& canvas);
void ClearPointsArea(Canvas& canvas);

// The sun and the three clouds; the hit flight redraws them so the rising ball leaves no trail.
void DrawSunAndClouds(Canvas& canvas);

// The whole scene (the paint handler, and after a level command, a practice start or the
// game-over sequence). The ball is not drawn; it reappears on the next frame.
void DrawField(GameState& s, Canvas& canvas);

}  // namespace pelta
