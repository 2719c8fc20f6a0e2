#pragma once
#include <cstdint>

#include "game/table_reset.h"

// One game object: enemy, boss, item or invisible stage controller.
struct Actor {
  int32_t type;       // 1..58; 0: the slot is free
  int32_t sprite;     // texture slot (kind 1), model number (kind 0) or emitted type (kind 2)
  int32_t age;        // frames since spawn, from the spawn's start value
  int32_t param;      // behaviour's own sub-state or value
  int32_t link;       // slot of a related actor
  int32_t hp;         // dies in its update at 0 or below
  int32_t lockTimer;  // counts down every walk; lockable while negative
  int32_t aux;        // spawn entry's aux word
  int32_t interval;   // spawn entry's interval; 0 there is 65536 here
  int32_t lifetime;   // spawn entry's lifetime
  int32_t flags;      // bytes: shape, reaction, kind, 0; each read as a signed byte
  double pos[3];
  double vel[3];
  double anchor[3];
  double size[3];  // half-width (also the shadow radius), half-height, depth
};

constexpr int32_t ActorCount = 64;
extern Actor ActorTable[ActorCount];
// Where the next free-slot search begins; play never rewinds it.
extern int32_t SpawnCursor;
// The stage clock of the previous walk.
extern int32_t PreviousWalkClock;

int32_t actorShape(const Actor& a);
int32_t actorReaction(const Actor& a);
int32_t actorKind(const Actor& a);

// Places an actor of the type's defaults in the next free slot; answers it, or -1.
int32_t spawnActor(int32_t type, int32_t sprite, int32_t start, const double* pos,
                   const double* vel, const double* anchor);
// spawnActor, then the spawn entry's aux, interval (0 as 65536) and lifetime.
void spawnActorExt(int32_t type, int32_t sprite, int32_t start, int32_t aux, int32_t interval,
                   int32_t lifetime, const double* pos, const double* vel, const double* anchor);
// Contact, shot hits and lock-on (only when the clock moved), then each live actor's
// kind routine, slot by slot; answers ActorCount.
int32_t actorWalk(int32_t clock);
// The player, the player's shots and the lock-on against the actor in slot.
void actorContact(int32_t slot);
// Frees every slot; a Zero reset zeroes them and rewinds the spawn cursor and the walk's
// clock.
void resetActors(TableReset how = TableReset::FreeSlots);
// The live actor in the slot that a's link names; nullptr when the link names no slot (it
// may be left over from the slot's earlier life) or that slot is free.
const Actor* linkedActor(const Actor& a);
