#include <gtest/gtest.h>

#include <vector>

#include "game/shots.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using EnemyDrifters = EnemyTest;

constexpr int32_t PickupSound = 14;

int32_t timesAsked(int32_t sound) {
  int32_t n = 0;
  for (int32_t s : soundsAsked()) n += s == sound;
  return n;
}

TEST_F(EnemyDrifters, TheCarrierDropsItsExtraLifeOnceAndFliesOnAsType44) {
  Game.depthScroll = 12.0;
  // As the first stage sends it: sinking from high above, swinging about its anchor.
  int32_t slot = place(14, 38, 1, {100, 400, 2400}, {0, 10, -1}, {1600, -3000, 3000});
  walk(322);  // anchor y -3000 + 10 n: above 224 first on walk 323
  const Actor& c = ActorTable[slot];
  EXPECT_EQ(c.type, 14);
  EXPECT_EQ(countType(47), 0);
  EXPECT_DOUBLE_EQ(c.pos[1], 220.0);
  EXPECT_DOUBLE_EQ(c.pos[2], 3000.0 - 322);

  walk();
  EXPECT_EQ(c.type, 44);
  EXPECT_EQ(c.sprite, 39);
  EXPECT_EQ(c.vel[1], 0.0);
  EXPECT_EQ(c.vel[2], -12.0);
  ASSERT_EQ(countType(47), 1);
  EXPECT_EQ(ActorTable[slot + 1].sprite, 12);
  EXPECT_EQ(timesAsked(PickupSound), 1);

  double z = c.pos[2];
  walk(50);
  EXPECT_EQ(c.type, 44);
  EXPECT_DOUBLE_EQ(c.pos[2], z - 12.0 * 50);
  EXPECT_EQ(timesAsked(PickupSound), 1);
}

TEST_F(EnemyDrifters, GroundTargetsRideTheScrollAndStandWhileTheGroundStands) {
  int32_t slot = place(6, 72, 0, {0, 400, 3000}, {1, 0, 0});
  Game.sideScroll = 3.0;
  Game.depthScroll = 10.0;
  walk();
  EXPECT_EQ(ActorTable[slot].pos[0], -2.0);
  EXPECT_EQ(ActorTable[slot].pos[2], 2990.0);
  Game.depthScroll = 0.0;
  walk();
  EXPECT_EQ(ActorTable[slot].pos[0], -2.0);
  EXPECT_EQ(ActorTable[slot].pos[2], 2990.0);
}

TEST_F(EnemyDrifters, ShotsGlanceOffType7SoItNeverLosesHitPointsAndOnlyLeaves) {
  int32_t slot = place(7, 63, 0, {0, 200, 2000});
  for (int32_t frame = 0; frame < 20; ++frame) {
    ShotTable[0] = Shot{};
    ShotTable[0].state = ShotState::Straight;
    for (int i = 0; i < 3; ++i) ShotTable[0].pos[i] = ActorTable[slot].pos[i];
    walk();
    EXPECT_EQ(ActorTable[slot].hp, 1);
  }
  EXPECT_EQ(Game.score, 300 * 20);
  walk(482);  // through age 501
  EXPECT_EQ(ActorTable[slot].type, 0);
  EXPECT_EQ(Game.score, 300 * 20);
}
}  // namespace
