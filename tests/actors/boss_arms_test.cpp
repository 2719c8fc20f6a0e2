#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
using ArmBoss = EnemyTest;

std::vector<int32_t> slotsOfType(int32_t type) {
  std::vector<int32_t> slots;
  for (int32_t s = 0; s < ActorCount; ++s) {
    if (ActorTable[s].type == type) slots.push_back(s);
  }
  return slots;
}

TEST_F(ArmBoss, GrowsSixSegmentsAnArmAndWhenItFallsTheyFlyLooseAndTheStageEnds500Later) {
  Game.stage = 5;
  Game.level = 2;
  int32_t boss = place(38, 30, 0, {0, 200, 1200}, {2, 0, 1});
  walk(60);
  std::vector<int32_t> arms = slotsOfType(37);
  ASSERT_EQ(arms.size(), 12u);
  int32_t right = 0;
  for (int32_t s : arms) {
    EXPECT_EQ(ActorTable[s].link, boss);
    right += ActorTable[s].vel[0] == 1.0;
  }
  EXPECT_EQ(right, 6);

  ActorTable[boss].hp = 0;
  walk();
  EXPECT_EQ(Game.score, 60000);
  EXPECT_EQ(soundsAsked().back(), 25);
  ASSERT_EQ(countType(55), 1);
  std::vector<int32_t> figure = slotsOfType(33);
  ASSERT_EQ(figure.size(), 1u);
  EXPECT_EQ(ActorTable[figure[0]].sprite, 106);
  EXPECT_EQ(ActorTable[figure[0]].pos[1], 352.0);
  EXPECT_EQ(ActorTable[figure[0]].vel[0], 20.0);
  walk();  // segments below the boss's slot see it gone a frame later
  for (int32_t s : arms) {
    EXPECT_EQ(ActorTable[s].type, 34);
    EXPECT_EQ(ActorTable[s].sprite, 32);
  }
  walk(498);
  EXPECT_EQ(Game.stage, 5);
  walk();
  EXPECT_EQ(Game.stage, 6);
}

TEST_F(ArmBoss, ASegmentWhoseLinkNamesNoArmBossFliesLoose) {
  int32_t other = place(21, 30, 0, {0, 200, 3000});
  for (int32_t link : {other, -1, 64, INT_MAX}) {
    int32_t s = place(37, 34, 5, {0, 200, 3000}, {0, 0, 1});
    ActorTable[s].link = link;
    walk();
    EXPECT_EQ(ActorTable[s].type, 34) << link;
    EXPECT_EQ(ActorTable[s].hp, 1);
    EXPECT_EQ(ActorTable[s].vel[1], 0.0);
    ActorTable[s].type = 0;
  }
}

// The speed of its shots grows with its own depth, and it holds fire once it is near.
TEST_F(ArmBoss, ShotsFromFarAwayFlyFasterAndNoneComeFromNearer1600) {
  int32_t boss = place(38, 30, 128, {0, 200, 4000});
  walk();
  std::vector<int32_t> bullets = slotsOfType(10);
  ASSERT_EQ(bullets.size(), 1u);
  const double* v = ActorTable[bullets[0]].vel;
  double speed = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  EXPECT_GE(speed, 10.0);
  EXPECT_LE(speed, 17.0);

  ActorTable[bullets[0]].type = 0;
  ActorTable[boss].pos[2] = 1600.0;
  ActorTable[boss].age = 256;
  walk();
  EXPECT_EQ(countType(10), 0);
}
}  // namespace
