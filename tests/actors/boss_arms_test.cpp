#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
using ArmBoss = EnemyTest;

TEST_F(ArmBoss, GrowsSixSegmentsAnArmAndWhenItFallsTheyFlyLooseAndTheStageEnds500Later) {
  Game.stage = 5;
  Game.level = 2;
  int32_t boss = place(38, 30, 0, {0, 200, 1200}, {2, 0, 1});
  walk(60);
  std::vector<int32_t> arms;
  int32_t right = 0;
  for (int32_t s = 0; s < ActorCount; ++s) {
    if (ActorTable[s].type != 37) continue;
    arms.push_back(s);
    EXPECT_EQ(ActorTable[s].link, boss);
    right += ActorTable[s].vel[0] == 1.0;
  }
  EXPECT_EQ(arms.size(), 12u);
  EXPECT_EQ(right, 6);

  ActorTable[boss].hp = 0;
  walk();
  EXPECT_EQ(Game.score, 60000);
  EXPECT_EQ(soundsAsked().back(), 25);
  EXPECT_EQ(countType(33), 1);  // the pilot drifting away
  walk();                       // segments below the boss's slot see it gone a frame later
  for (int32_t s : arms) EXPECT_EQ(ActorTable[s].type, 34) << s;
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
    EXPECT_EQ(ActorTable[s].hp, 1) << link;
    ActorTable[s].type = 0;
  }
}
}  // namespace
