#include <gtest/gtest.h>

#include "tests/actors/enemy_fixture.h"

namespace {
using EnemyHatch = EnemyTest;

constexpr int32_t ShotSound = 13;

TEST_F(EnemyHatch, TheHatchComesInOpensToFireBacksOffAndComesAgain) {
  // As the first stage sends it.
  int32_t slot = place(18, 81, 1, {0, -100, 4400}, {20, 18, 0}, {320, 240, 240});
  const Actor& h = ActorTable[slot];
  int32_t stageAt[802] = {};  // param after the update at each age
  int32_t shots = 0;
  int32_t openFrames = 0;
  for (int32_t age = 1; age <= 800; ++age) {
    forgetSoundsAsked();
    walk();
    ASSERT_EQ(h.type, 18) << age;
    stageAt[age] = h.param;
    // Open exactly while it shows its core.
    EXPECT_EQ(actorReaction(h) == 1, h.sprite == 83) << age;
    openFrames += h.sprite == 83;
    for (int32_t s : soundsAsked()) shots += s == ShotSound;
    if (age == 100) {
      EXPECT_DOUBLE_EQ(h.pos[2], 4400.0 - 30.0 * 100);
    }
    if (age == 600) {
      EXPECT_EQ(h.vel[0], -20.0);
      EXPECT_EQ(h.vel[1], -18.0);
    }
  }
  EXPECT_EQ(stageAt[99], 0);
  EXPECT_EQ(stageAt[100], 1);
  EXPECT_EQ(stageAt[119], 1);
  EXPECT_EQ(stageAt[120], 2);
  EXPECT_EQ(stageAt[599], 2);
  EXPECT_EQ(stageAt[600], 3);
  EXPECT_EQ(stageAt[620], 4);
  EXPECT_EQ(stageAt[799], 4);
  EXPECT_EQ(stageAt[800], 1);
  // Shots at ages 128, 256, 384 and 512. It opens for 32 frames from ages 240, 368 and 496;
  // the opening due at 112 falls before it starts blinking, so its first shot comes shut.
  EXPECT_EQ(shots, 4);
  EXPECT_EQ(openFrames, 3 * 32);
  EXPECT_DOUBLE_EQ(h.pos[2], 1400.0 + 20.0 * 180);

  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(h.type, 0);  // gone after age 800
  ASSERT_FALSE(draws.empty());
  EXPECT_EQ(draws.back().colour[0], 0.4);
  EXPECT_EQ(draws.back().colour[3], 1.0);
}
}  // namespace
