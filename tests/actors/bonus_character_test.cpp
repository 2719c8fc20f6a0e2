#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/shots.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using BonusCharacter = EnemyTest;

constexpr int32_t Character = 43;
constexpr int32_t Coin = 48;

TEST_F(BonusCharacter, ItClearsTheStageSwoopsAndTurnsBetweenItsPartsAtTheirExactAges) {
  int32_t slot = place(Character, 108, 0, {0, 300, 1500}, {5, 0, 0}, {0, 0, 1500});
  const Actor& c = ActorTable[slot];
  std::vector<int32_t> clearedAt;
  int32_t paramAt[3002] = {};
  int32_t spriteAt[3002] = {};
  for (int32_t age = 0; age <= 3000; ++age) {
    ThePlayer.event = PlayerEvent::None;
    double vel[3] = {c.vel[0], c.vel[1], c.vel[2]};
    std::vector<DrawItem> draws = walk();
    ASSERT_EQ(c.type, Character) << age;
    if (ThePlayer.event == PlayerEvent::StageCleared) clearedAt.push_back(age);
    paramAt[age] = c.param;
    spriteAt[age] = slotOf(drawOf(draws, c));
    if (age == 330 || age == 2900) {
      double k = age == 330 ? 0.5 : 3.0;
      EXPECT_DOUBLE_EQ(std::hypot(c.vel[0], c.vel[2]), k * std::hypot(vel[0], vel[2])) << age;
      EXPECT_EQ(c.vel[1], 0.0) << age;
    }
    if (age == 380) {
      EXPECT_EQ(c.anchor[2], 240.0);
    }
    if (age == 2900) {
      EXPECT_EQ(c.anchor[0], -1600.0);
    }
  }
  EXPECT_EQ(clearedAt, std::vector<int32_t>{380});
  const int32_t partAt[][2] = {{499, 0},  {500, 2},  {599, 2},  {600, 3},
                               {2899, 3}, {2900, 4}, {2999, 4}, {3000, 5}};
  for (const auto& p : partAt) {
    EXPECT_EQ(paramAt[p[0]], p[1]) << p[0];
  }
  const int32_t lookAt[][2] = {{450, 108}, {451, 110}, {2999, 110}, {3000, 108}};
  for (const auto& l : lookAt) {
    EXPECT_EQ(spriteAt[l[0]], l[1]) << l[0];
  }
  // The bonus coin, thrown once, as it turns to its last part.
  ASSERT_EQ(countType(Coin), 1);
  for (const Actor& a : ActorTable) {
    if (a.type == Coin) {
      EXPECT_EQ(a.sprite, 49);
    }
  }
}

TEST_F(BonusCharacter, StartedLateItSkipsToTheEndClearingAt10380AndLeavingAt10800) {
  int32_t slot = place(Character, 108, 10000, {0, 300, 2000}, {5, 0, 0}, {0, 0, 2000});
  const Actor& c = ActorTable[slot];
  std::vector<int32_t> clearedAt;
  for (int32_t age = 10000; age < 10800; ++age) {
    ThePlayer.event = PlayerEvent::None;
    walk();
    if (ThePlayer.event == PlayerEvent::StageCleared) clearedAt.push_back(age);
  }
  EXPECT_EQ(clearedAt, std::vector<int32_t>{10380});
  EXPECT_EQ(c.vel[1], 0.0);

  double y = c.pos[1];
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(slotOf(drawOf(draws, c)), 110);
  // Off it goes, climbing (the turn of the same frame swings only its heading).
  EXPECT_EQ(c.vel[1], -8.0);
  EXPECT_DOUBLE_EQ(std::hypot(c.vel[0], c.vel[2]), std::hypot(4.0, 10.0));
  EXPECT_EQ(c.pos[1], y - 8.0);
  EXPECT_EQ(c.type, Character);
}

TEST_F(BonusCharacter, WhileCirclingItFillsEveryFreeShotSlotWithInvisibleBlastsAroundItself) {
  CameraFocus.x = 50.0;
  int32_t slot = place(Character, 108, 700, {100, 300, 900}, {0, 0, 5});
  Actor& c = ActorTable[slot];
  c.param = 3;
  fireShot(0, 400, 240);  // the player's own shot keeps its slot
  walk();
  EXPECT_EQ(c.anchor[0], 100.0);
  EXPECT_EQ(c.anchor[2], 480.0);
  EXPECT_DOUBLE_EQ(c.vel[1], 3.0 * sin256(700 - 216));
  EXPECT_EQ(ShotTable[0].state, ShotState::Straight);
  for (int32_t i = 1; i < ShotCount; ++i) {
    const Shot& s = ShotTable[i];
    EXPECT_EQ(s.state, ShotState::Blast) << i;
    EXPECT_EQ(s.age, 89);
    EXPECT_EQ(s.pos[0], 100.0 + (i - 4) * 32 + 16) << i;  // where it stood before moving
    EXPECT_EQ(s.pos[1], 300.0);
    EXPECT_EQ(s.pos[2], 900.0);
    EXPECT_EQ(s.vel[2], -10.0);
  }

  // Never drawn, gone after three updates.
  for (int32_t n = 0; n < 3; ++n) {
    updateShots(n);
    EXPECT_EQ(takeQueuedDraws().size(), 2u);  // the straight shot's trail and disc
  }
  for (int32_t i = 1; i < ShotCount; ++i) EXPECT_EQ(ShotTable[i].state, ShotState::Free);
}
}  // namespace
