#include "screens/title.h"

#include "game/game_state.h"

// Placeholder until the title and attract cycle lands: it holds the camera level and
// stays on the title, so only Escape leaves it.
GameMode titleStep(int32_t entry) {
  if (entry >= 1) CameraFocus.y = 240.0;
  return Mode::Title;
}
