#include <gtest/gtest.h>

#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
using EnemyFighters = EnemyTest;

constexpr int32_t ShotSound = 13;

int32_t shotsAsked() {
  int32_t n = 0;
  for (int32_t s : soundsAsked()) n += s == ShotSound;
  return n;
}

TEST_F(EnemyFighters, WeaversFireEvery256FramesBefore300AndTwiceAsOftenAboveLevel5) {
  for (int32_t level : {5, 6}) {
    resetActors();
    forgetSoundsAsked();
    Game.level = level;
    place(15, 80, 0, {0, 0, 3000}, {0, 1, 1}, {0, 0, 3000});
    walk(400);
    EXPECT_EQ(shotsAsked(), level == 5 ? 2 : 3) << level;  // 0, 256 / 0, 128, 256
  }
}

TEST_F(EnemyFighters, WeaversTurnTowardTheirAnchorBobAndLeanWhileLocked) {
  int32_t slot = place(16, 100, 0, {0, 0, 3000}, {0, 2, 10}, {1000, 0, 3000});
  const Actor& a = ActorTable[slot];
  std::vector<DrawItem> draws = walk();
  EXPECT_GT(a.vel[0], 0.0);  // toward the anchor on its right
  EXPECT_EQ(a.vel[1], -2.0);
  EXPECT_EQ(slotOf(drawOf(draws, a)), 101);  // its other blade picture at age 0
  ActorTable[slot].lockTimer = 5;
  draws = walk();
  EXPECT_EQ(drawOf(draws, a).angle, 10.0);
  EXPECT_EQ(slotOf(drawOf(draws, a)), 101);
  walk(7);
  EXPECT_EQ(slotOf(drawOf(walk(), a)), 100);  // age 9
}

TEST_F(EnemyFighters, TheSwingingFighterNeverDropsBelowTheGroundOrAbove800) {
  int32_t slot = place(17, 80, 0, {0, 0, 3000}, {1, 0, 0});
  for (int32_t age = 0; age < 256; ++age) {
    walk();
    EXPECT_LE(ActorTable[slot].pos[1], 400.0);
    EXPECT_GE(ActorTable[slot].pos[1], -800.0);
  }
  EXPECT_EQ(ActorTable[slot].pos[0], 256.0);
}

TEST_F(EnemyFighters, TheSwooperSlowsToAge120TurnsBackAndGoesAfter240) {
  int32_t slot = place(19, 19, 0, {0, 0, 3000}, {0, 0, 12});
  walk(120);
  double farthest = ActorTable[slot].pos[2];
  EXPECT_DOUBLE_EQ(farthest, 3000.0 + 12.0 * 7260 / 120);  // the sum of 120 - age
  walk();                                                  // age 120 stands
  EXPECT_EQ(ActorTable[slot].pos[2], farthest);
  walk(120);
  EXPECT_EQ(ActorTable[slot].type, 19);
  EXPECT_DOUBLE_EQ(ActorTable[slot].pos[2], 3000.0);  // and back again by age 240
  walk();
  EXPECT_EQ(ActorTable[slot].type, 0);
}

TEST_F(EnemyFighters, TheSentinelComesInHoversAndFiresThenLeavesIntoTheDepth) {
  int32_t slot = place(22, 95, 0, {0, 0, 5000});
  const Actor& a = ActorTable[slot];
  walk();
  EXPECT_EQ(a.vel[2], -60.0);  // (0 - 120) / 2
  walk(99);
  EXPECT_EQ(a.vel[2], -10.0);  // age 99
  walk(22);
  EXPECT_EQ(a.vel[2], 0.0);  // age 121, hovering
  walk(600 - 122);
  EXPECT_EQ(a.vel[2], 0.0);  // age 599
  walk();
  EXPECT_EQ(a.vel[2], 20.0);   // age 600
  EXPECT_EQ(shotsAsked(), 4);  // 128, 256, 384, 512
  walk(100);
  EXPECT_EQ(a.type, 22);  // age 700
  walk();
  EXPECT_EQ(a.type, 0);
}

TEST_F(EnemyFighters, TheHoverFortressFiresFromItsOpenBellyAtTheEndsOfItsSway) {
  place(28, 76, 64, {0, 0, 3000}, {0, 0, 0}, {2, 0, 0});  // cos256(64) is 0
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(countSlot(draws, 75), 1);
  EXPECT_EQ(countSlot(draws, 18), 1);
  EXPECT_EQ(shotsAsked(), 1);
  EXPECT_EQ(countType(12), 1);
}
}  // namespace
