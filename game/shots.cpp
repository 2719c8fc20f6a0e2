#include "game/shots.h"

Shot ShotTable[ShotCount];

// Stubs until the shots land here.
int32_t fireShot(double, double, double) { return ShotCount; }
int32_t updateShots(int32_t) { return ShotCount; }
void resetShots() {
  for (Shot& s : ShotTable) s = Shot{};
}
