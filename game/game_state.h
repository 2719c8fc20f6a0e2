#pragma once
#include <cstdint>

#include "shell/game_mode.h"

// The variables of one game.
struct GameState {
  int32_t stage;
  int32_t stageClock;  // frames into the stage; -1 when the game is over
  int32_t lives;
  int32_t score;
  double fadeLevel;
};
extern GameState Game;

// The point the camera follows; the title holds y at 240.
struct FocusPoint {
  double x, y;
};
extern FocusPoint CameraFocus;

int32_t startNewGame(int32_t startStage);
// One frame of play; answers Play, Pause or RecordScore.
GameMode playStep();
