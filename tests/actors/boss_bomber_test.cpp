#include <gtest/gtest.h>

#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
using BossBomber = EnemyTest;

TEST_F(BossBomber, FromStartMinus127ItClosesIn2000UnitsBeforeItsFirstTurn) {
  int32_t b = place(30, 5, -127, {0, 200, 5000});
  walk(127);
  EXPECT_EQ(ActorTable[b].param, 0);
  walk();
  EXPECT_EQ(ActorTable[b].param, 1);
  EXPECT_DOUBLE_EQ(ActorTable[b].pos[2], 3000.0);
}

TEST_F(BossBomber, BacksOffWithABombEvery32FramesThenLetsOutALinkedSatellite) {
  int32_t b = place(30, 5, 1, {0, 200, 3000}, {4, 0, 0});
  ActorTable[b].param = 3;
  std::vector<int32_t> bombedAt;
  for (int32_t age = 1; age < 256; ++age) {
    walk();
    for (const Actor& a : ActorTable) {
      if (a.type == 13 && a.age <= 2) bombedAt.push_back(age);  // thrown this frame
    }
  }
  EXPECT_EQ(bombedAt, (std::vector<int32_t>{32, 64, 96, 128, 160, 192, 224}));
  EXPECT_EQ(ActorTable[b].param, 3);
  walk();
  EXPECT_EQ(ActorTable[b].param, 4);

  resetActors();
  forgetSoundsAsked();
  b = place(30, 5, 1, {0, 200, 3000});
  ActorTable[b].param = 4;
  ActorTable[b].anchor[0] = 200;  // the satellite's orbit radius
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(slotOf(drawOf(draws, ActorTable[b])), 6);  // open
  ASSERT_EQ(countType(29), 1);
  EXPECT_EQ(ActorTable[b + 1].link, b);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{2});
  walk(298);
  draws = walk();  // age 300: the satellite is out
  EXPECT_EQ(slotOf(drawOf(draws, ActorTable[b])), 5);
  walk(211);
  EXPECT_EQ(ActorTable[b].param, 4);
  walk();  // age 512
  EXPECT_EQ(ActorTable[b].param, 1);
}
}  // namespace
