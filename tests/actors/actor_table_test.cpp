#include "actors/actor_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "actors/kind_updates.h"
#include "game/game_state.h"
#include "game/player.h"
#include "tests/actors/actor_fixture.h"

namespace {
using ActorSpawn = ActorFixture;

void freeSlot(int32_t slot) { ActorTable[slot].type = 0; }

// Two free slots in a full table; two spawns from the cursor.
TEST_F(ActorSpawn, TheSearchStartsAtTheCursorAndWrapsPastTheLastSlot) {
  struct Case {
    int32_t freeA, freeB, cursor;
    int32_t first, cursorAfterFirst, second, cursorAfterSecond;
  };
  const Case cases[] = {
      {5, 9, 6, 9, 10, 5, 6},     // from 10 the search runs through 63 and round to 5
      {0, 63, 63, 63, 64, 0, 1},  // a cursor of 64 starts the next search at slot 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cursor);
    fillTable();
    freeSlot(c.freeA);
    freeSlot(c.freeB);
    SpawnCursor = c.cursor;
    EXPECT_EQ(place(15, 0, 0, 1000), c.first);
    EXPECT_EQ(SpawnCursor, c.cursorAfterFirst);
    EXPECT_EQ(place(15, 0, 0, 1000), c.second);
    EXPECT_EQ(SpawnCursor, c.cursorAfterSecond);
    resetActors();
  }
}

TEST_F(ActorSpawn, AFullTableAnswersMinusOneAndChangesNothing) {
  fillTable();
  for (int32_t i = 0; i < ActorCount; ++i) ActorTable[i].age = 100 + i;
  SpawnCursor = 17;
  const double pos[3] = {1, 2, 3};
  EXPECT_EQ(spawnActor(9, 5, 0, pos, pos, pos), -1);
  spawnActorExt(40, 5, 0, 7, 0, 9, pos, pos, pos);
  EXPECT_EQ(SpawnCursor, 17);
  for (int32_t i = 0; i < ActorCount; ++i) {
    EXPECT_EQ(ActorTable[i].type, 15);
    EXPECT_EQ(ActorTable[i].age, 100 + i);
    EXPECT_EQ(ActorTable[i].pos[2], 5000.0);
    EXPECT_EQ(ActorTable[i].interval, 0);
  }
}

TEST_F(ActorSpawn, ASpawnFillsTheRecordAndLeavesTheEntryWordsAlone) {
  Actor& a = ActorTable[0];
  a.link = 11;
  a.aux = 12;
  a.interval = 13;
  a.lifetime = 14;
  a.lockTimer = 55;
  a.param = 56;
  const double pos[3] = {10, 20, 30};
  const double vel[3] = {-1, -2, -3};
  const double anchor[3] = {7, 8, 9};
  EXPECT_EQ(spawnActor(26, 33, 7, pos, vel, anchor), 0);
  EXPECT_EQ(a.type, 26);
  EXPECT_EQ(a.sprite, 33);
  EXPECT_EQ(a.age, 7);
  EXPECT_EQ(a.param, 0);
  EXPECT_EQ(a.hp, 1);
  EXPECT_EQ(a.lockTimer, 0);
  EXPECT_EQ(a.flags, 0x10108);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(a.pos[i], pos[i]);
    EXPECT_EQ(a.vel[i], vel[i]);
    EXPECT_EQ(a.anchor[i], anchor[i]);
  }
  EXPECT_EQ(a.size[0], 64.0);
  EXPECT_EQ(a.size[1], 128.0);
  EXPECT_EQ(a.size[2], 128.0);
  EXPECT_EQ(a.link, 11);
  EXPECT_EQ(a.aux, 12);
  EXPECT_EQ(a.interval, 13);
  EXPECT_EQ(a.lifetime, 14);
}

TEST_F(ActorSpawn, ControllersTakeTheStartValueAsParamAndEmittersStartAtAge0) {
  struct Case {
    int32_t type, param, age;
  };
  // Start value 25 each time; the neighbours of each range keep it as their age only.
  const Case cases[] = {{39, 0, 25}, {40, 25, 25}, {41, 0, 25},  {48, 0, 25}, {49, 25, 0},
                        {52, 25, 0}, {53, 25, 25}, {58, 25, 25}, {59, 0, 25}, {-40, 0, 25}};
  for (const Case& c : cases) {
    int32_t slot = place(c.type, 0, 0, 1000, 25);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(ActorTable[slot].param, c.param) << "type " << c.type;
    EXPECT_EQ(ActorTable[slot].age, c.age) << "type " << c.type;
  }
}

TEST_F(ActorSpawn, TheExtendedSpawnStoresTheEntryWordsWithInterval0As65536) {
  const double pos[3] = {0, 0, 1000};
  spawnActorExt(53, 4, 0, 0x10020, 0, 300, pos, pos, pos);
  spawnActorExt(53, 4, 0, -5, 1, -1, pos, pos, pos);
  spawnActorExt(53, 4, 0, 0, -7, 0, pos, pos, pos);
  EXPECT_EQ(ActorTable[0].aux, 0x10020);
  EXPECT_EQ(ActorTable[0].interval, 65536);
  EXPECT_EQ(ActorTable[0].lifetime, 300);
  EXPECT_EQ(ActorTable[1].aux, -5);
  EXPECT_EQ(ActorTable[1].interval, 1);
  EXPECT_EQ(ActorTable[1].lifetime, -1);
  EXPECT_EQ(ActorTable[2].interval, -7);
}

TEST_F(ActorSpawn, AType0SpawnTakesASlotFillsItAndLeavesItFree) {
  place(15, 0, 0, 1000);
  place(15, 0, 0, 1000);
  EXPECT_EQ(place(0, 5, 6, 700, 3), 2);
  const Actor& a = ActorTable[2];
  EXPECT_EQ(a.type, 0);
  EXPECT_EQ(a.pos[2], 700.0);
  EXPECT_EQ(a.age, 3);
  EXPECT_EQ(a.flags, 0x10000);
  EXPECT_EQ(SpawnCursor, 3);
  // The cursor has moved on: slot 2 stays free until the search comes round again.
  EXPECT_EQ(place(15, 0, 0, 1000), 3);
}

// Records every kind routine the walk runs.
struct WalkCall {
  int32_t clock, slot, sameClock;
};
std::vector<WalkCall> Calls;
int32_t record(int32_t clock, int32_t slot, int32_t sameClock) {
  Calls.push_back({clock, slot, sameClock});
  return ActorTable[slot].type;
}
std::vector<int32_t> calledSlots() {
  std::vector<int32_t> slots;
  for (const WalkCall& c : Calls) slots.push_back(c.slot);
  return slots;
}

class ActorWalk : public ActorFixture {
 protected:
  void SetUp() override {
    ActorFixture::SetUp();
    Calls.clear();
    KindUpdateStandIn = record;
  }
};

TEST_F(ActorWalk, EveryLiveActorOfKind0To2RunsInAscendingSlotOrder) {
  SpawnCursor = 40;
  place(15, 0, 0, 1000);  // 40: kind 1
  SpawnCursor = 3;
  place(53, 0, 0, 1000);           // 3: kind 2
  place(1, 0, 0, 1000);            // 4: kind 0
  place(15, 0, 0, 1000);           // 5
  place(15, 0, 0, 1000);           // 6
  place(15, 0, 0, 1000);           // 7
  ActorTable[5].flags = 0x030101;  // kind 3
  ActorTable[6].flags = 0xFF0101;  // kind byte 0xFF: -1
  ActorTable[7].flags = 0x800101;  // kind byte 0x80: -128
  EXPECT_EQ(actorWalk(1), 64);
  EXPECT_EQ(calledSlots(), (std::vector<int32_t>{3, 4, 40}));
  for (const WalkCall& c : Calls) {
    EXPECT_EQ(c.clock, 1);
    EXPECT_EQ(c.sameClock, 0);
  }
}

TEST_F(ActorWalk, AnActorSpawnedAboveTheCurrentSlotRunsInTheSameWalkOneBelowWaits) {
  SpawnCursor = 10;
  place(15, 0, 0, 1000);
  KindUpdateStandIn = [](int32_t clock, int32_t slot, int32_t same) {
    if (slot == 10 && clock == 1) {
      SpawnCursor = 20;
      spawnActor(15, 0, 0, ActorTable[10].pos, ActorTable[10].vel, ActorTable[10].anchor);
      SpawnCursor = 5;
      spawnActor(15, 0, 0, ActorTable[10].pos, ActorTable[10].vel, ActorTable[10].anchor);
    }
    return record(clock, slot, same);
  };
  actorWalk(1);
  EXPECT_EQ(calledSlots(), (std::vector<int32_t>{10, 20}));
  EXPECT_EQ(ActorTable[20].lockTimer, -1);
  EXPECT_EQ(ActorTable[5].lockTimer, 0);
  Calls.clear();
  actorWalk(2);
  EXPECT_EQ(calledSlots(), (std::vector<int32_t>{5, 10, 20}));
}

TEST_F(ActorWalk, AnActorFreedEarlierInTheWalkIsSkipped) {
  place(15, 0, 0, 1000);
  place(15, 0, 0, 1000);
  KindUpdateStandIn = [](int32_t clock, int32_t slot, int32_t same) {
    if (slot == 0) ActorTable[1].type = 0;
    return record(clock, slot, same);
  };
  actorWalk(1);
  EXPECT_EQ(calledSlots(), (std::vector<int32_t>{0}));
  EXPECT_EQ(ActorTable[1].lockTimer, 0);
}

// An actor touching the player: every walk with a moving clock posts HitHard.
TEST_F(ActorWalk, WhileTheClockStandsTimersCountAndActorsRunButNothingTouches) {
  int32_t slot = place(15, 0, 400, 240);
  ActorTable[slot].lockTimer = 5;
  actorWalk(7);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::HitHard);
  EXPECT_EQ(ActorTable[slot].lockTimer, 4);
  ThePlayer.event = PlayerEvent::None;
  actorWalk(7);
  actorWalk(7);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::None);
  EXPECT_EQ(ActorTable[slot].lockTimer, 2);
  actorWalk(8);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::HitHard);
  ASSERT_EQ(Calls.size(), 4u);
  EXPECT_EQ(Calls[0].sameClock, 0);
  EXPECT_EQ(Calls[1].sameClock, 1);
  EXPECT_EQ(Calls[2].sameClock, 1);
  EXPECT_EQ(Calls[3].sameClock, 0);
  EXPECT_EQ(PreviousWalkClock, 8);
}

TEST_F(ActorWalk, TheFirstWalkOnClock0CountsAsAStandingClock) {
  place(15, 0, 400, 240);
  actorWalk(0);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::None);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].sameClock, 1);
}

TEST_F(ActorWalk, ALockTimerAtTheBottomOfTheRangeStaysThere) {
  int32_t slot = place(53, 0, 0, 1000);
  ActorTable[slot].lockTimer = INT32_MIN;
  actorWalk(1);
  EXPECT_EQ(ActorTable[slot].lockTimer, INT32_MIN);
}
}  // namespace
