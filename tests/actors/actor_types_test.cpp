#include "actors/actor_types.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "actors/actor_table.h"
#include "game/game_state.h"
#include "tests/actors/actor_fixture.h"

namespace {
using ActorTypes = ActorFixture;

int32_t hpOf(int32_t type, double difficulty, int32_t level) {
  Game.difficulty = difficulty;
  Game.level = level;
  const double zero[3] = {0, 0, 0};
  int32_t slot = spawnActor(type, 0, 0, zero, zero, zero);
  EXPECT_GE(slot, 0);
  ActorTable[slot].type = 0;
  return ActorTable[slot].hp;
}

TEST_F(ActorTypes, TypesSharingARowGetItsFlagsAndSize) {
  struct Row {
    int32_t type, flags, hp;
    double w, h, d;
  };
  // The last type of rows shared by several, and the rows with odd sizes.
  const Row rows[] = {
      {1, 0x306, 1, 128, 400, 128},   {2, 0x206, 10, 128, 400, 128},
      {29, 0x201, 8, 128, 128, 128},  {18, 0x10401, 1, 128, 128, 128},
      {13, 0x10502, 1, 64, 64, 64},   {14, 0x10307, 1, 128, 256, 256},
      {26, 0x10108, 1, 64, 128, 128}, {45, 0x10000, 1, 64, 128, 128},
      {48, 0x10601, 1, 64, 64, 64},   {46, 0x10000, 1, 128, 128, 128},
  };
  for (const Row& r : rows) {
    const double zero[3] = {0, 0, 0};
    int32_t slot = spawnActor(r.type, 0, 0, zero, zero, zero);
    ASSERT_GE(slot, 0);
    const Actor& a = ActorTable[slot];
    EXPECT_EQ(a.flags, r.flags) << "type " << r.type;
    EXPECT_EQ(a.hp, r.hp) << "type " << r.type;
    EXPECT_EQ(a.size[0], r.w) << "type " << r.type;
    EXPECT_EQ(a.size[1], r.h) << "type " << r.type;
    EXPECT_EQ(a.size[2], r.d) << "type " << r.type;
  }
}

TEST_F(ActorTypes, AnyTypeOutsideTheTableActsAsAnInertKind1Actor) {
  for (int32_t type : {59, 64, 255, -1, std::numeric_limits<int32_t>::min(),
                       std::numeric_limits<int32_t>::max()}) {
    const ActorTypeRow& row = actorTypeRow(type);
    EXPECT_EQ(row.flags, 0x10000) << type;
    EXPECT_EQ(startingHp(row.hp, 50.0, 99), 1) << type;
    EXPECT_EQ(row.size[0], 128.0) << type;
    EXPECT_EQ(row.start, StartUse::Age) << type;
  }
}

TEST_F(ActorTypes, ToughnessFollowsTheDifficultyCutTowardZero) {
  EXPECT_EQ(hpOf(9, 0.0, 1), 21);
  EXPECT_EQ(hpOf(24, 0.0, 1), 21);
  EXPECT_EQ(hpOf(9, 0.3, 1), 22);   // 21.2 is cut to 21
  EXPECT_EQ(hpOf(9, 9.0, 10), 57);  // no bonus above level 9 for this row
  EXPECT_EQ(hpOf(30, 0.0, 1), 41);
  EXPECT_EQ(hpOf(41, 0.0, 1), 8040);
  EXPECT_EQ(hpOf(41, 2.5, 3), 8050);
  EXPECT_EQ(hpOf(42, 0.0, 1), 9);
  EXPECT_EQ(hpOf(42, 0.75, 1), 9);  // 9.675
  EXPECT_EQ(hpOf(42, 10.0, 11), 18);
  EXPECT_EQ(hpOf(38, 0.5, 1), 17);  // 1 + 16.5 cut
  EXPECT_EQ(hpOf(37, 0.0, 9), 1015);
}

TEST_F(ActorTypes, SomeTypesGainOneHitPointAboveLevel9) {
  for (int32_t type : {8, 21, 34}) {
    EXPECT_EQ(hpOf(type, 8.99, 9), 1) << type;
    EXPECT_EQ(hpOf(type, 9.0, 10), 2) << type;
  }
  EXPECT_EQ(hpOf(37, 9.0, 10), 1000 + 42 + 1);
  EXPECT_EQ(hpOf(38, 9.0, 10), 1 + 42 + 1);
  EXPECT_EQ(hpOf(15, 9.0, 10), 1);
}

TEST_F(ActorTypes, AnOutlandishDifficultyGivesHitPointsWithinRange) {
  EXPECT_EQ(hpOf(41, 1e300, 1), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(hpOf(37, 1e12, 10), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(hpOf(9, std::nan(""), 1), 1);
  EXPECT_EQ(hpOf(9, -1e300, 1), std::numeric_limits<int32_t>::min() + 1);
}
}  // namespace
