#include <gtest/gtest.h>

#include <vector>

#include "game/effects.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using MidBoss = EnemyTest;

const Effect& lastEffect() {
  return EffectTable[(EffectCursor + EffectTableSize - 1) % EffectTableSize];
}

TEST_F(MidBoss, FlashesOnlyOnFramesItWasHitStopsAt128BacksOffAt512AndLeavesAfter700) {
  int32_t slot = place(23, 50, 0, {0, 0, 3000}, {0, 1, -5});
  Actor& a = ActorTable[slot];
  a.aux = 20;
  walk(2);
  EXPECT_TRUE(soundsAsked().empty());
  a.hp = 18;  // two hits in one frame flash once
  walk();
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{28});
  EXPECT_EQ(lastEffect().textureSlot, 18);
  walk(10);
  EXPECT_EQ(soundsAsked().size(), 1u);

  walk(129 - 13);  // through age 128
  EXPECT_EQ(a.vel[1], 0.0);
  EXPECT_EQ(a.pos[2], 3000.0 - 128 * 5);
  walk(513 - 129);  // through age 512
  EXPECT_EQ(a.pos[2], 3000.0 - 128 * 5 + 10);
  walk(701 - 513);
  EXPECT_EQ(a.type, 23);
  walk();
  EXPECT_EQ(a.type, 0);
}

TEST_F(MidBoss, FallsFor20000TimesTheLevelAndThrowsACoin) {
  Game.level = 3;
  int32_t slot = place(23, 50, 5, {0, 0, 3000});
  ActorTable[slot].hp = ActorTable[slot].aux = 0;
  walk();
  EXPECT_EQ(Game.score, 60000);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{14});  // the coin's throw alone
  EXPECT_EQ(countType(48), 1);
  EXPECT_EQ(lastEffect().textureSlot, 68);
}
}  // namespace
