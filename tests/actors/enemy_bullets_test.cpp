#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/effects.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using EnemyBullets = EnemyTest;

TEST_F(EnemyBullets, ABulletIsOpaqueTo450ThenFadesAndGoesAfterAge500EvenInView) {
  int32_t slot = place(10, 6, 0, {0, 240, 3000});
  std::vector<double> alpha;
  for (int32_t frame = 0; frame < 600 && ActorTable[slot].type != 0; ++frame) {
    std::vector<DrawItem> draws = walk();
    ASSERT_EQ(draws.size(), 1u);
    alpha.push_back(draws[0].colour[3]);
  }
  ASSERT_EQ(alpha.size(), 502u);  // ages 0..501, the last drawn as it goes
  EXPECT_EQ(alpha[0], 1.0);
  EXPECT_EQ(alpha[450], 1.0);
  EXPECT_DOUBLE_EQ(alpha[451], 0.49);
  EXPECT_DOUBLE_EQ(alpha[500], 0.0);
  EXPECT_EQ(Game.score, 0);  // it left, it did not die
}

TEST_F(EnemyBullets, PickupsFlyAndFadeLikeBullets) {
  int32_t slot = place(47, 12, 460, {0, 240, 3000}, {0, 0, -2});
  std::vector<DrawItem> draws = walk();
  EXPECT_DOUBLE_EQ(draws[0].colour[3], 0.4);
  EXPECT_EQ(ActorTable[slot].pos[2], 2998.0);
}

TEST_F(EnemyBullets, SpinningBulletsTurn10DegreesAFrameAndTrailingOnesPuffEvery16) {
  place(11, 1, 3, {0, 240, 3000});
  EXPECT_EQ(walk()[0].angle, 30.0);

  resetActors();
  place(12, 5, 0, {0, 240, 3000}, {1, 2, -4});
  walk(33);
  EXPECT_EQ(EffectCursor, 3);  // ages 0, 16 and 32
  const Effect& puff = EffectTable[2];
  EXPECT_EQ(puff.type, EffectType::Puff);
  EXPECT_EQ(puff.textureSlot, 17);
  EXPECT_EQ(puff.pos[2], 3000.0 - 4.0 * 32);
  EXPECT_EQ(puff.vel[0], -1.0);
  EXPECT_EQ(puff.vel[2], 4.0);
  EXPECT_EQ(puff.size[1], 64.0);
}

TEST_F(EnemyBullets, ABombSmokesAndAtAge64TurnsIntoAnAimedSpinningBullet) {
  int32_t slot = place(13, 9, 1, {0, 0, 3000}, {2, -2, 1});
  walk(63);
  EXPECT_EQ(ActorTable[slot].type, 13);
  EXPECT_EQ(countType(12), 0);
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(ActorTable[slot].type, 0);
  EXPECT_EQ(countSlot(draws, 18), 1);  // its warning flash
  // A puff at ages 8, 16, ..., 64, and the bullet's first, as it runs in this same walk.
  EXPECT_EQ(EffectCursor, 9);
  EXPECT_EQ(EffectTable[0].vel[0], 0.0);
  ASSERT_EQ(countType(12), 1);
  const Actor& b = ActorTable[slot + 1];
  EXPECT_EQ(b.sprite, 9);
  EXPECT_NEAR(std::sqrt(b.vel[0] * b.vel[0] + b.vel[1] * b.vel[1] + b.vel[2] * b.vel[2]), 12.0,
              1e-9);
  EXPECT_LT(b.vel[2], 0.0);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{13});
}
}  // namespace
