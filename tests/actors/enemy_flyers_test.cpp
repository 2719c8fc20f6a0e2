#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/effects.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using EnemyFlyers = EnemyTest;

double speedOf(const Actor& a) {
  return std::sqrt(a.vel[0] * a.vel[0] + a.vel[1] * a.vel[1] + a.vel[2] * a.vel[2]);
}

TEST_F(EnemyFlyers, GlidersFaceTheWayTheyFlyAndFlapEvery8Frames) {
  int32_t right = place(21, 97, 0, {0, 0, 3000}, {4, 0, 0});
  int32_t left = place(33, 106, 8, {0, 0, 3000}, {-4, 0, 0});
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(draws[0].sx, -256.0);
  EXPECT_EQ(slotOf(draws[0]), 98);
  EXPECT_EQ(draws[1].sx, 128.0);
  EXPECT_EQ(slotOf(draws[1]), 106);
  EXPECT_EQ(ActorTable[right].pos[0], 4.0);
  EXPECT_EQ(ActorTable[left].pos[0], -4.0);
}

TEST_F(EnemyFlyers, TheTorpedoHeadsLevelForThePlayerAtItsOwnSpeedAndSmokes) {
  int32_t slot = place(34, 32, 0, {600, 100, 1040}, {0, 5, -20});
  walk();
  const Actor& a = ActorTable[slot];
  EXPECT_EQ(a.vel[1], 0.0);
  // Aimed along (-600, 300, -800) at speed 20, then held level.
  EXPECT_NEAR(a.vel[0], -600.0 / std::sqrt(1090000.0) * 20.0, 1e-9);
  EXPECT_EQ(EffectTable[0].type, EffectType::Puff);
  EXPECT_EQ(EffectTable[0].pos[1], 100.0 + 192.0);
  EXPECT_EQ(EffectTable[0].vel[1], -2.0);
  EXPECT_EQ(countType(10), 1);  // it fires at once
}

TEST_F(EnemyFlyers, TheDivingRayTurnsOnThePlayerAtAge128AndFiresOnce) {
  int32_t slot = place(32, 67, 0, {0, 0, 3000}, {0, 0, -1});
  walk(128);
  EXPECT_EQ(countType(11), 0);
  walk();
  EXPECT_NEAR(speedOf(ActorTable[slot]), 8.0, 1e-9);
  EXPECT_GT(ActorTable[slot].vel[1], 0.0);  // down toward the player
  EXPECT_EQ(countType(11), 1);
  walk(200);
  EXPECT_EQ(countType(11), 1);
}

TEST_F(EnemyFlyers, TheHunterFliesThenHangsFiringWithItsOtherPictures) {
  int32_t slot = place(31, 102, 255, {0, 0, 3000}, {-3, 0, 0});
  const Actor& a = ActorTable[slot];
  std::vector<DrawItem> draws = walk();  // age 255: still flying
  EXPECT_EQ(a.pos[0], -3.0);
  draws = walk();  // age 256: turns about, hangs, spits fire
  EXPECT_EQ(a.vel[0], 3.0);
  EXPECT_EQ(a.pos[0], 0.0);
  EXPECT_EQ(a.pos[1], -128 * 0.125);
  EXPECT_EQ(slotOf(drawOf(draws, a)), 105);
  EXPECT_LT(drawOf(draws, a).sx, 0.0);
  EXPECT_EQ(countType(11), 1);
  walk(64);  // age 320
  EXPECT_EQ(slotOf(drawOf(walk(), a)), 104);
}

TEST_F(EnemyFlyers, TheHopperLeapsAtThePlayerOnAge1OfEvery256) {
  int32_t slot = place(26, 36, 0, {0, 0, 1240}, {0, 0, -10});
  walk();
  EXPECT_EQ(ActorTable[slot].vel[2], -10.0);
  walk();  // age 1
  EXPECT_NEAR(speedOf(ActorTable[slot]), 10.0, 1e-9);
  EXPECT_GT(ActorTable[slot].vel[1], 0.0);
}

TEST_F(EnemyFlyers, TheGunshipChargesAtAge128AndShowsItsHeadOnPicture) {
  int32_t slot = place(35, 73, 127, {400, 0, 3000}, {-10, 0, 0});
  const Actor& a = ActorTable[slot];
  EXPECT_EQ(slotOf(drawOf(walk(), a)), 73);  // flying across
  walk();                                    // age 128
  EXPECT_NEAR(speedOf(a), 30.0, 1e-9);
  EXPECT_LT(a.vel[2], 0.0);
  EXPECT_EQ(slotOf(drawOf(walk(), a)), 74);  // coming at the player
}

TEST_F(EnemyFlyers, TheStiltWalkerGoesAfterAge256) {
  int32_t slot = place(27, 40, 250, {0, 0, 3000}, {1, 0, 1});
  walk(7);
  EXPECT_EQ(ActorTable[slot].type, 27);
  walk();
  EXPECT_EQ(ActorTable[slot].type, 0);
}
}  // namespace
