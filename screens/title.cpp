#include "screens/title.h"

#include "game/game_state.h"
#include "shell/input.h"

// Placeholder until the title and attract cycle lands: it holds the camera level, and
// START (once let go) begins a new game, so the game can be played meanwhile.
GameMode titleStep(int32_t entry) {
  if (entry < 1) return Mode::Title;
  CameraFocus.y = 240.0;
  if (!startHeld()) return Mode::Title;
  waitStartReleased();
  return Mode::NewGame;
}
