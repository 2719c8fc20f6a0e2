#pragma once
#include <cstdint>

#include "game/table_reset.h"

// Effect types; 0 is a free record.
namespace EffectType {
constexpr int32_t GroundBurst = 1;
constexpr int32_t Puff = 2;
constexpr int32_t GroundBurstToo = 3;  // behaves as a ground burst
constexpr int32_t Debris = 4;
constexpr int32_t Bomb = 5;
constexpr int32_t Fragment = 6;
}  // namespace EffectType

struct Effect {
  int32_t type;
  int32_t textureSlot;  // base slot; animation adds to it
  int32_t age;
  double pos[3];
  double vel[3];
  double size[3];  // sx, sy, and a depth that is only carried along
};

constexpr int32_t EffectTableSize = 32;
extern Effect EffectTable[EffectTableSize];
// The record the next spawn writes: a ring, never reset at stage start.
extern int32_t EffectCursor;

// Writes an effect at the ring cursor, over whatever is there, and advances the cursor.
void spawnEffect(int32_t type, int32_t textureSlot, const double* pos, const double* vel,
                 const double* size);
// Moves, ages and queues every live effect; answers EffectTableSize.
int32_t updateEffects(int32_t clock);
// Frees every effect (the cursor stays); a Zero reset zeroes them and rewinds the cursor.
void resetEffects(TableReset how = TableReset::FreeSlots);
