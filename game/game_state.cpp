#include "game/game_state.h"

GameState Game;
FocusPoint CameraFocus = {0.0, 400.0};

// Placeholder until the game state and stage clock land: a new game only resets the
// record and the camera focus, and play just goes on.
int32_t startNewGame(int32_t startStage) {
  Game = GameState{};
  Game.stage = startStage;
  Game.fadeLevel = 100.0;
  CameraFocus = {0.0, 400.0};
  return 0;
}

GameMode playStep() { return Mode::Play; }
