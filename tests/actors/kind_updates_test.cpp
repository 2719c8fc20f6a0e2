#include "actors/kind_updates.h"

#include <gtest/gtest.h>

#include "actors/actor_table.h"
#include "tests/actors/actor_fixture.h"

namespace {
using KindUpdates = ActorFixture;

// Until the model targets are written, such an actor only sees its lock timer count down.
TEST_F(KindUpdates, TheWaitingModelRoutineLeavesItsActorsAlone) {
  const double pos[3] = {10, 100, 3000};
  const double vel[3] = {1, 2, -30};
  for (int32_t type : {1, 2, 3}) spawnActor(type, 7, 5, pos, vel, pos);
  for (int32_t clock = 1; clock <= 3; ++clock) actorWalk(clock);
  for (int32_t slot = 0; slot < 3; ++slot) {
    const Actor& a = ActorTable[slot];
    EXPECT_NE(a.type, 0);
    EXPECT_EQ(a.age, 5);
    EXPECT_EQ(a.pos[2], 3000.0);
    EXPECT_EQ(a.lockTimer, -3);
  }
}
}  // namespace
