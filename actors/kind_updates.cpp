#include "actors/kind_updates.h"

#include <iterator>

#include "actors/actor_table.h"

KindUpdate KindUpdateStandIn = nullptr;

namespace {
// The type an update leaves its actor with; the placeholders change nothing.
int32_t typeOf(int32_t slot) { return slot >= 0 && slot < ActorCount ? ActorTable[slot].type : 0; }

constexpr KindUpdate KindUpdates[] = {
    updateModelActor,   // 0
    updateSpriteActor,  // 1
    updateController,   // 2
};
constexpr int32_t KindCount = int32_t(std::size(KindUpdates));
}  // namespace

// Placeholder until the model targets and satellites land.
int32_t updateModelActor(int32_t, int32_t slot, int32_t) { return typeOf(slot); }

// Placeholder until the enemy behaviours and bosses land.
int32_t updateSpriteActor(int32_t, int32_t slot, int32_t) { return typeOf(slot); }

// Placeholder until the stage controllers land.
int32_t updateController(int32_t, int32_t slot, int32_t) { return typeOf(slot); }

KindUpdate kindUpdate(int32_t kind) {
  return kind >= 0 && kind < KindCount ? KindUpdates[kind] : nullptr;
}

void runKindUpdate(int32_t kind, int32_t clock, int32_t slot, int32_t sameClock) {
  KindUpdate update = kindUpdate(kind);
  if (!update) return;
  if (KindUpdateStandIn) update = KindUpdateStandIn;
  update(clock, slot, sameClock);
}
