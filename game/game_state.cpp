#include "game/game_state.h"

GameState Game;
FocusPoint CameraFocus = {0.0, 400.0};

// Stubs until the game state lands here: a new game only resets the record and the
// camera focus, and play just goes on.
int32_t startNewGame(int32_t s) {
  Game = GameState{};
  Game.stage = s;
  Game.fadeLevel = 100.0;
  CameraFocus = {0.0, 400.0};
  return 0;
}
int32_t startStage(int32_t s) {
  Game.stage = s;
  return 0;
}
int32_t resetStageTables() { return 0; }
void setFade(int32_t frames) { Game.fadeLevel = frames < 100 ? frames * 0.01 : 1.0; }
GameMode playStep() { return Mode::Play; }
GameMode demoStep() { return Mode::Title; }
int32_t drawBackdrop(int32_t) { return Game.backdropScroll; }
int32_t followCamera(int32_t) { return 0; }
void addScore(int32_t points) { Game.score += points; }
