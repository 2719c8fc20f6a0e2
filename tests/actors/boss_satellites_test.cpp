#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
using BossSatellites = EnemyTest;

TEST_F(BossSatellites, TheBossShedsLinkedSatellitesOnItsOrbitFasterAboveLevel10) {
  for (int32_t level : {10, 11}) {
    resetActors();
    Game.level = level;
    int32_t boss = place(24, 40, 0, {100, 200, 3000}, {300, 0, 0});
    walk();
    ASSERT_EQ(countType(25), 1);
    const Actor& s = *std::find_if(std::begin(ActorTable), std::end(ActorTable),
                                   [](const Actor& a) { return a.type == 25; });
    EXPECT_EQ(s.link, boss);
    EXPECT_TRUE(s.sprite == 41 || s.sprite == 42);
    EXPECT_DOUBLE_EQ(s.pos[0], 400.0);  // the boss's x plus the radius in its vel.x
    EXPECT_DOUBLE_EQ(s.pos[2], 3000.0);
    walk(79);
    EXPECT_EQ(countType(25), level == 10 ? 2 : 3) << level;  // at 0, 40 / 0, 30, 60
  }
}

TEST_F(BossSatellites, ASatelliteWhoseBossIsGoneDiesOnTheNextFrameWith3000TimesTheLevel) {
  Game.level = 2;
  // A link left from the slot's earlier life counts as a free slot; a freed slot keeps
  // the place its boss had.
  for (int32_t link : {50, -1, 64}) {
    resetActors();
    ActorTable[50].pos[2] = 2000.0;
    Game.score = 0;
    int32_t s = place(25, 41, 100, {0, 200, 2000}, {300, 0, 0});
    ActorTable[s].link = link;
    walk();
    EXPECT_EQ(ActorTable[s].type, 25) << link;
    EXPECT_EQ(ActorTable[s].hp, 0);
    walk();
    EXPECT_EQ(ActorTable[s].type, 0);
    EXPECT_EQ(Game.score, 6000);
  }
}

TEST_F(BossSatellites, AReleasedSatelliteRidesTheScrollAndSinksTowardTheHorizon) {
  Game.depthScroll = 32.0;
  int32_t s = place(25, 41, 512, {1000, 200, 2000});
  ActorTable[s].link = -1;  // no longer needs its boss
  ActorTable[s].hp = 5;
  const Actor& a = ActorTable[s];
  const double angle = std::atan2(2000.0, 1000.0);
  walk();
  EXPECT_EQ(a.hp, 1);
  EXPECT_NEAR(a.pos[0], 1000.0 - std::cos(angle) * 32.0, 1e-9);
  EXPECT_NEAR(a.pos[2], 2000.0 - std::sin(angle) * 32.0, 1e-9);
  EXPECT_DOUBLE_EQ(a.pos[1], 198.0);
  walk(9);
  EXPECT_EQ(a.type, 25);
  EXPECT_NEAR(a.pos[2], 2000.0 - 320.0 * std::sin(angle), 1.0);
  EXPECT_DOUBLE_EQ(a.pos[1], 180.0);
}
}  // namespace

namespace {
class SatelliteBossFire : public EnemyTest {
 protected:
  // One frame of the boss at the age; answers the bullets it fired.
  std::vector<const Actor*> bulletsFiredAt(int32_t age, std::vector<DrawItem>* draws) {
    resetActors();
    SpawnCursor = 0;
    place(24, 40, age, {0, 200, 3000}, {300, 0, 0});
    *draws = walk();
    std::vector<const Actor*> bullets;
    for (const Actor& a : ActorTable) {
      if (a.type == 11) bullets.push_back(&a);
    }
    return bullets;
  }
};

double speedOf(const Actor& a) {
  return std::sqrt(a.vel[0] * a.vel[0] + a.vel[1] * a.vel[1] + a.vel[2] * a.vel[2]);
}

// It fires only while age bits 9, 7 and 0 to 4 are clear: eight times in every 1024 frames.
TEST_F(SatelliteBossFire, ItFiresOnlyWhenAgeBits9And7And0To4AreClear) {
  std::vector<DrawItem> draws;
  for (int32_t age : {0, 32, 64, 96, 256, 288, 320, 352, 1024, 1376}) {
    SCOPED_TRACE(age);
    std::vector<const Actor*> bullets = bulletsFiredAt(age, &draws);
    ASSERT_EQ(bullets.size(), 1u);
    EXPECT_EQ(bullets[0]->sprite, 8);
    EXPECT_NEAR(speedOf(*bullets[0]), 15.0, 1e-9);
    EXPECT_EQ(countSlot(draws, 18), 1);  // its warning flash
  }
  for (int32_t age : {1, 16, 31, 128, 160, 384, 512, 544, 800, 1023}) {
    SCOPED_TRACE(age);
    EXPECT_TRUE(bulletsFiredAt(age, &draws).empty());
    EXPECT_EQ(countSlot(draws, 18), 0);
  }
}

TEST_F(SatelliteBossFire, AboveLevel7ItFiresTwoBulletsTheSecondFasterByTheDifficulty) {
  Game.level = 8;
  Game.difficulty = 2.5;
  std::vector<DrawItem> draws;
  std::vector<const Actor*> bullets = bulletsFiredAt(0, &draws);
  ASSERT_EQ(bullets.size(), 2u);
  std::vector<double> speeds;
  for (const Actor* b : bullets) speeds.push_back(speedOf(*b));
  std::sort(speeds.begin(), speeds.end());
  EXPECT_NEAR(speeds[0], 15.0, 1e-9);
  EXPECT_NEAR(speeds[1], 15.0 * 1.5, 1e-9);
}
}  // namespace

namespace {
using OrphanedSatellites = EnemyTest;

// Before age 512 a satellite circles the slot its link names; when that slot has been
// freed it circles the last place of the boss there for the one frame it has left.
TEST_F(OrphanedSatellites, ASatelliteWhoseBossIsGoneCirclesTheFreedSlotsLastPlace) {
  ActorTable[50].type = 0;
  ActorTable[50].pos[0] = 700.0;
  ActorTable[50].pos[2] = 2500.0;
  int32_t s = place(25, 41, 0, {0, 200, 2000}, {300, 0, 0});
  ActorTable[s].link = 50;
  walk();
  // Age 0: radius (sin256(0) + 1) * 300, angle 0.
  EXPECT_DOUBLE_EQ(ActorTable[s].pos[0], 700.0 + 300.0);
  EXPECT_DOUBLE_EQ(ActorTable[s].pos[2], 2500.0);
  EXPECT_EQ(ActorTable[s].hp, 0);
  walk();
  EXPECT_EQ(ActorTable[s].type, 0);
}
}  // namespace
