#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
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

namespace {
class ArmBossFire : public EnemyTest {
 protected:
  // One frame of a still boss at the age and depth; answers the bullets it fired.
  std::vector<const Actor*> bulletsFiredAt(int32_t age, double z) {
    resetActors();
    SpawnCursor = 0;
    place(38, 30, age, {0, 200, z});
    lastDraws = walk();
    std::vector<const Actor*> bullets;
    for (const Actor& a : ActorTable) {
      if (a.type == 10) bullets.push_back(&a);
    }
    return bullets;
  }
  std::vector<DrawItem> lastDraws;
};

// Beyond depth 1600 it fires every 128 frames, every 64 above level 6, unwarned.
TEST_F(ArmBossFire, ItFiresOnlyBeyondDepth1600AtItsPeriod) {
  Game.difficulty = 0.0;
  EXPECT_EQ(bulletsFiredAt(128, 2000.0).size(), 1u);
  EXPECT_EQ(countSlot(lastDraws, 18), 0);
  EXPECT_EQ(bulletsFiredAt(256, 1600.5).size(), 1u);
  EXPECT_TRUE(bulletsFiredAt(128, 1600.0).empty());
  EXPECT_TRUE(bulletsFiredAt(128, 900.0).empty());
  for (int32_t age : {64, 127, 129, 192}) EXPECT_TRUE(bulletsFiredAt(age, 2000.0).empty()) << age;
  Game.level = 7;
  EXPECT_EQ(bulletsFiredAt(64, 2000.0).size(), 1u);
  EXPECT_EQ(bulletsFiredAt(192, 2000.0).size(), 1u);
  EXPECT_TRUE(bulletsFiredAt(96, 2000.0).empty());
}

// Its shots are faster the farther it is: 0.0025 of its depth plus a random 0 to 7.
TEST_F(ArmBossFire, ItsShotSpeedGrowsWithItsDepthPlusARandom0To7) {
  Game.difficulty = 0.0;
  std::vector<int32_t> extras;
  for (int32_t seed = 1; seed <= 24; ++seed) {
    for (double z : {1600.5, 2000.0, 4000.0}) {
      std::srand(seed);
      int32_t extra = signedRandom() & 7;
      std::srand(seed);
      std::vector<const Actor*> bullets = bulletsFiredAt(128, z);
      ASSERT_EQ(bullets.size(), 1u);
      const double* v = bullets[0]->vel;
      EXPECT_NEAR(std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]), 0.0025 * z + extra, 1e-9)
          << "z " << z << " seed " << seed;
      EXPECT_EQ(bullets[0]->sprite, 6);
      extras.push_back(extra);
    }
  }
  EXPECT_NE(*std::min_element(extras.begin(), extras.end()),
            *std::max_element(extras.begin(), extras.end()));
}
}  // namespace
