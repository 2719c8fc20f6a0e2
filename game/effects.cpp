#include "game/effects.h"

Effect EffectTable[EffectTableSize];
int32_t EffectCursor = 0;

// Stubs until the effects land here.
void spawnEffect(int32_t, int32_t, const double*, const double*, const double*) {}
int32_t updateEffects(int32_t) { return EffectTableSize; }
void resetEffects() {
  for (Effect& e : EffectTable) e.type = 0;
}
