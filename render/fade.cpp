#include "render/fade.h"

#include "game/game_state.h"
#include "render/primitives.h"

int32_t drawFadeOverlay() {
  if (Game.fadeLevel == 0.0) return 0;
  // 640 x 480 units at depth 200 covers the whole view.
  const double black[4] = {0.0, 0.0, 0.0, Game.fadeLevel};
  drawFilledRect(0.0, 240.0, 200.0, 320.0, 240.0, 0.0, black);
  return 1;
}
