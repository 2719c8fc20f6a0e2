#include "actors/actor_table.h"

Actor ActorTable[ActorCount];
int32_t SpawnCursor = 0;
int32_t PreviousWalkClock = 0;

// Stubs until the actor table lands here.
int32_t actorShape(const Actor& a) { return int8_t(a.flags & 0xFF); }
int32_t actorReaction(const Actor& a) { return int8_t((a.flags >> 8) & 0xFF); }
int32_t actorKind(const Actor& a) { return int8_t((a.flags >> 16) & 0xFF); }
int32_t spawnActor(int32_t, int32_t, int32_t, const double*, const double*, const double*) {
  return -1;
}
void spawnActorExt(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                   const double*, const double*) {}
int32_t actorWalk(int32_t) { return ActorCount; }
void actorContact(int32_t) {}
void resetActors() {
  for (Actor& a : ActorTable) a.type = 0;
}
