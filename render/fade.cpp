#include "render/fade.h"

#include "render/primitives.h"

int32_t drawFadeOverlay(double level) {
  if (level == 0.0) return 0;
  // 640 x 480 units at depth 200 covers the whole view.
  const double black[4] = {0.0, 0.0, 0.0, level};
  drawFilledRect(0.0, 240.0, 200.0, 320.0, 240.0, 0.0, black);
  return 1;
}
