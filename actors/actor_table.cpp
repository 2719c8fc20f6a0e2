#include "actors/actor_table.h"

#include "actors/actor_info.h"
#include "actors/kind_updates.h"
#include "actors/stage_sequence.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "game/geometry.h"

Actor ActorTable[ActorCount];
int32_t SpawnCursor = 0;
int32_t PreviousWalkClock = 0;

namespace {
// The first free slot from the cursor on, wrapping past the last; -1 when all are live.
int32_t freeSlotFrom(int32_t cursor) {
  for (int32_t k = 0; k < ActorCount; ++k) {
    int32_t slot = int32_t((uint32_t(cursor) + uint32_t(k)) % uint32_t(ActorCount));
    if (ActorTable[slot].type == ActorType::Empty) return slot;
  }
  return -1;
}

void copy3(double* to, const double* from) {
  for (int i = 0; i < 3; ++i) to[i] = from[i];
}
}  // namespace

void setActorReaction(Actor& a, int32_t reaction) {
  a.flags = (a.flags & ~(0xFF << FlagByte::Reaction)) | ((reaction & 0xFF) << FlagByte::Reaction);
}

int32_t spawnActor(int32_t type, int32_t sprite, int32_t start, const double* pos,
                   const double* vel, const double* anchor) {
  int32_t slot = freeSlotFrom(SpawnCursor);
  if (slot < 0) return -1;
  SpawnCursor = slot + 1;
  const ActorInfo& row = actorInfo(type);
  Actor& a = ActorTable[slot];
  a.flags = row.flags;
  a.hp = startingHp(row.hp, Game.difficulty, Game.level);
  a.param = row.start == StartUse::Age ? 0 : start;
  if (row.start == StartUse::ParamOnly) start = 0;
  copy3(a.pos, pos);
  copy3(a.vel, vel);
  copy3(a.anchor, anchor);
  copy3(a.size, row.size);
  // A type of 0 fills the slot but leaves it free.
  a.type = type;
  a.age = start;
  a.sprite = sprite;
  a.lockTimer = 0;
  return slot;
}

void spawnActorExt(int32_t type, int32_t sprite, int32_t start, int32_t aux, int32_t interval,
                   int32_t lifetime, const double* pos, const double* vel, const double* anchor) {
  int32_t slot = spawnActor(type, sprite, start, pos, vel, anchor);
  if (slot < 0) return;
  Actor& a = ActorTable[slot];
  a.aux = aux;
  a.interval = interval == 0 ? NeverInterval : interval;
  a.lifetime = lifetime;
}

// Slots are visited in ascending order and each is read afresh, so an actor spawned
// during the walk into a higher slot runs in this walk, one in a lower slot in the next.
// A stage end's request ends the walk: the stage start that follows it frees every actor,
// so none after it may act on the stage that is over.
int32_t actorWalk(int32_t clock) {
  // A standing clock (the player is down) freezes contact but not the actors.
  int32_t sameClock = clock == PreviousWalkClock ? 1 : 0;
  PreviousWalkClock = clock;
  for (int32_t slot = 0; slot < ActorCount; ++slot) {
    Actor& a = ActorTable[slot];
    if (a.type == ActorType::Empty) continue;
    a.lockTimer = saturatingAdd(a.lockTimer, -1);
    if (!sameClock) actorContact(slot);
    runKindUpdate(actorKind(a), clock, slot, sameClock);
    if (RequestedStage != NoStageRequested) break;
  }
  return ActorCount;
}

void resetActors(TableReset how) {
  if (how == TableReset::Zero) {
    for (Actor& a : ActorTable) a = Actor{};
    SpawnCursor = 0;
    PreviousWalkClock = 0;
  }
  for (Actor& a : ActorTable) a.type = ActorType::Empty;
}

const Actor* linkedActor(const Actor& a) {
  if (a.link < 0 || a.link >= ActorCount) return nullptr;
  const Actor& linked = ActorTable[a.link];
  return linked.type == ActorType::Empty ? nullptr : &linked;
}
