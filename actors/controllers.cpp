#include "actors/actor_table.h"
#include "actors/kind_updates.h"

// Placeholder until the stage controllers land: the actor is left as it is.
int32_t updateController(int32_t, int32_t slot, int32_t) {
  return slot >= 0 && slot < ActorCount ? ActorTable[slot].type : 0;
}
