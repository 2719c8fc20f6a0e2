#pragma once
#include <cstdint>

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
  int32_t interval;   // spawn entry's interval; 0 there is NeverInterval (65536) here
  int32_t lifetime;   // spawn entry's lifetime
  int32_t flags;      // bytes: shape, reaction, kind, 0; each read as a signed byte
  double pos[3];
  double vel[3];
  double anchor[3];
  double size[3];  // half-width (also the shadow radius), half-height, depth
};

constexpr int32_t ActorCount = 64;
// The actors of the stage, by slot: part of the game's record, which the shots read for
// their homing targets. The actors (actors/actor_table.cpp) own and update it.
extern Actor ActorTable[ActorCount];
