#include "actors/kind_updates.h"

#include <iterator>

KindUpdate KindUpdateStandIn = nullptr;

namespace {
constexpr KindUpdate KindUpdates[] = {
    updateModelActor,   // 0
    updateSpriteActor,  // 1
    updateController,   // 2
};
constexpr int32_t KindCount = int32_t(std::size(KindUpdates));
}  // namespace

KindUpdate kindUpdate(int32_t kind) {
  return kind >= 0 && kind < KindCount ? KindUpdates[kind] : nullptr;
}

void runKindUpdate(int32_t kind, int32_t clock, int32_t slot, int32_t sameClock) {
  KindUpdate update = kindUpdate(kind);
  if (!update) return;
  if (KindUpdateStandIn) update = KindUpdateStandIn;
  update(clock, slot, sameClock);
}
