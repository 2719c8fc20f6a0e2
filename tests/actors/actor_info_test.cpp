#include "actors/actor_info.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "actors/actor_table.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "tests/actors/actor_fixture.h"

namespace {
using ActorTypes = ActorFixture;
namespace Type = ActorType;

int32_t hpOf(int32_t type, double difficulty, int32_t level) {
  Game.difficulty = difficulty;
  Game.level = level;
  const double zero[3] = {0, 0, 0};
  int32_t slot = spawnActor(type, 0, 0, zero, zero, zero);
  EXPECT_GE(slot, 0);
  ActorTable[slot].type = 0;
  return ActorTable[slot].hp;
}

TEST_F(ActorTypes, EachSpawnTakesItsTypesFlagsHitPointsAndSize) {
  Game.difficulty = 2.5;
  Game.level = 11;
  for (int32_t type = 0; type <= Type::Highest; ++type) {
    SCOPED_TRACE(actorInfo(type).name);
    resetActors();
    const double zero[3] = {0, 0, 0};
    int32_t slot = spawnActor(type, 0, 7, zero, zero, zero);
    ASSERT_GE(slot, 0);
    const ActorInfo& row = actorInfo(type);
    const Actor& a = ActorTable[slot];
    EXPECT_EQ(row.type, type);
    EXPECT_EQ(a.flags, row.flags);
    EXPECT_EQ(a.hp, startingHp(row.hp, 2.5, 11));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a.size[i], row.size[i]);
  }
}

TEST_F(ActorTypes, ShotsAndPickUpsAreOnlyTouchedAndControllersNotAtAll) {
  for (int32_t type : {Type::Bullet, Type::SpinningBullet, Type::TrailingBullet, Type::Bomb}) {
    EXPECT_EQ(flagByte(actorInfo(type).flags, FlagByte::Reaction), Reaction::SoftHit) << type;
  }
  for (int32_t type : {Type::ExtraLife, Type::Coin}) {
    EXPECT_EQ(flagByte(actorInfo(type).flags, FlagByte::Reaction), Reaction::PickUp) << type;
  }
  for (int32_t type = 0; type <= Type::Highest; ++type) {
    const ActorInfo& row = actorInfo(type);
    if (flagByte(row.flags, FlagByte::Kind) != ActorKind::Controller) continue;
    EXPECT_EQ(flagByte(row.flags, FlagByte::Shape), Shape::None) << row.name;
    EXPECT_NE(row.start, StartUse::Age) << row.name;
  }
}

// The stage tool colours and checks by these: a ground target is a model, and what the
// tool calls a controller is run as one.
TEST_F(ActorTypes, TheToolsFamiliesAgreeWithTheKinds) {
  for (int32_t type = 0; type <= Type::Highest; ++type) {
    const ActorInfo& row = actorInfo(type);
    int32_t kind = flagByte(row.flags, FlagByte::Kind);
    if (row.family == TypeFamily::Ground) {
      EXPECT_EQ(kind, ActorKind::Model) << row.name;
    }
    if (row.family == TypeFamily::Controller) {
      EXPECT_EQ(kind, ActorKind::Controller) << row.name;
    }
    if (kind == ActorKind::Model) {
      EXPECT_TRUE(row.family == TypeFamily::Ground || row.family == TypeFamily::Boss) << row.name;
    }
  }
}

TEST_F(ActorTypes, EachTypeHasANameOfItsOwnInLowerCase) {
  std::set<std::string> seen;
  for (int32_t type = 0; type <= Type::Highest; ++type) {
    std::string name = actorInfo(type).name;
    EXPECT_TRUE(seen.insert(name).second) << name;
    for (char c : name) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(c))) << name;
  }
}

TEST_F(ActorTypes, AnyTypeOutsideTheTableActsAsAnInertKind1Actor) {
  for (int32_t type : {59, 64, 255, -1, std::numeric_limits<int32_t>::min(),
                       std::numeric_limits<int32_t>::max()}) {
    const ActorInfo& row = actorInfo(type);
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
