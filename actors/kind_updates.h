#pragma once
#include <cstdint>

// The update routine of each actor kind, run by the actor walk once a frame for every live
// actor: stage clock, slot, and the same-clock flag (1 when the clock has not moved since
// the previous walk). Each answers the actor's new type, which the walk ignores.
using KindUpdate = int32_t (*)(int32_t clock, int32_t slot, int32_t sameClock);

// Kind 0: the ground targets and satellites drawn as models.
int32_t updateModelActor(int32_t clock, int32_t slot, int32_t sameClock);
// Kind 1: enemies, their bullets, pick-ups and bosses, drawn as sprites.
int32_t updateSpriteActor(int32_t clock, int32_t slot, int32_t sameClock);
// Kind 2: the invisible controllers of a stage script.
int32_t updateController(int32_t clock, int32_t slot, int32_t sameClock);

// The routine of a kind, or nullptr for a kind outside 0..2, which is never updated.
KindUpdate kindUpdate(int32_t kind);
// Runs the routine of the kind for the actor in slot, if the kind has one.
void runKindUpdate(int32_t kind, int32_t clock, int32_t slot, int32_t sameClock);

// Test seam: when set, runs in place of the routine of every kind that has one, so a test
// can watch the walk. Null in the game.
extern KindUpdate KindUpdateStandIn;
