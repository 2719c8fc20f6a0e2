#include "actors/enemy_ops.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "game/effects.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using EnemyOps = EnemyTest;

constexpr int32_t ShotSound = 13;
constexpr int32_t PickupSound = 14;
constexpr int32_t WarningSlot = 18;

int32_t count(const std::vector<int32_t>& v, int32_t x) {
  int32_t n = 0;
  for (int32_t e : v) n += e == x;
  return n;
}

TEST_F(EnemyOps, AShotFliesAtThePlayerFasterWithTheDifficulty) {
  Game.difficulty = 0.5;
  const double from[3] = {0.0, 400.0, 1240.0};
  fireAimed({11, 1, 128, 10.0, false}, 256, from);
  ASSERT_EQ(countType(11), 1);
  const Actor& b = ActorTable[0];
  EXPECT_EQ(b.sprite, 1);
  EXPECT_EQ(b.age, 0);
  EXPECT_DOUBLE_EQ(b.pos[2], 1240.0);
  EXPECT_DOUBLE_EQ(b.vel[0], 0.0);
  EXPECT_DOUBLE_EQ(b.vel[2], -11.0);
  EXPECT_EQ(b.anchor[0], 0.0);
  EXPECT_EQ(count(soundsAsked(), ShotSound), 1);

  fireAimed({11, 1, 128, 10.0, false}, 257, from);  // not a multiple of the period
  EXPECT_EQ(countType(11), 1);
  EXPECT_EQ(count(soundsAsked(), ShotSound), 1);
}

TEST_F(EnemyOps, FromLevel8EveryVolleyIsTwoBulletsOnOneLineTheSecondFaster) {
  Game.difficulty = 7.5;
  const double from[3] = {300.0, 0.0, 640.0};
  for (int32_t level : {7, 8}) {
    resetActors();
    Game.level = level;
    fireAimed({10, 6, 64, 8.0, false}, 0, from);
    EXPECT_EQ(countType(10), level == 8 ? 2 : 1) << "level " << level;
  }
  // Toward the player, (-300, 400, -400) away: at speed 8, then 2.5 times that.
  const Actor& slow = ActorTable[1];
  const Actor& fast = ActorTable[2];
  double length = std::sqrt(300.0 * 300.0 + 400.0 * 400.0 + 400.0 * 400.0);
  for (int i = 0; i < 3; ++i) {
    double unit = (ThePlayer.pos[i] - from[i]) / length;
    EXPECT_NEAR(slow.vel[i], unit * 8.0, 1e-12);
    EXPECT_NEAR(fast.vel[i], unit * 8.0 * 2.5, 1e-12);
    EXPECT_EQ(slow.pos[i], fast.pos[i]);
  }
  EXPECT_EQ(count(soundsAsked(), ShotSound), 2);  // one sound a volley
}

TEST_F(EnemyOps, TheWarningFlashShows16FramesFrom12BeforeEachShot) {
  const double from[3] = {50.0, 100.0, 2000.0};
  std::vector<int32_t> flashed;
  for (int32_t age = 0; age < 256; ++age) {
    fireAimed({11, 1, 128, 10.0, true}, age, from);
    std::vector<DrawItem> draws = takeQueuedDraws();
    if (draws.empty()) continue;
    ASSERT_EQ(draws.size(), 1u);
    const DrawItem& d = draws[0];
    EXPECT_EQ(slotOf(d), WarningSlot);
    EXPECT_EQ(d.x, 50.0);
    EXPECT_EQ(d.y, 100.0);
    EXPECT_EQ(d.z, 2000.0 - 16.0);
    EXPECT_EQ(d.sx, 64.0);
    EXPECT_EQ(d.sy, 64.0);
    EXPECT_EQ(d.angle, 0.0);
    EXPECT_EQ(d.colour[3], 1.0);
    flashed.push_back(age);
  }
  std::vector<int32_t> expected;
  for (int32_t age = 0; age < 256; ++age) {
    if ((age + 12) % 128 < 16) expected.push_back(age);
  }
  EXPECT_EQ(flashed, expected);
  EXPECT_EQ(flashed.size(), 32u);
  EXPECT_EQ(flashed.front(), 0);
  EXPECT_EQ(flashed[4], 116);  // 12 frames before the shot at 128, up to 3 frames after
  EXPECT_EQ(countType(11), 2);

  fireAimed({11, 1, 128, 10.0, false}, 120, from);
  EXPECT_TRUE(takeQueuedDraws().empty()) << "no flash without warn";
}

TEST_F(EnemyOps, PeriodOneFiresOnEveryCallAndAPeriodBelowOneNever) {
  const double from[3] = {0.0, 0.0, 1000.0};
  for (int32_t age : {1, 2, 3}) fireAimed({12, 9, 1, 12.0, false}, age, from);
  EXPECT_EQ(countType(12), 3);
  for (int32_t period : {0, -1}) {
    fireAimed({12, 9, period, 12.0, true}, INT_MIN, from);
    fireAimed({12, 9, period, 12.0, true}, 0, from);
    emitEffectEvery({17, period, 64.0}, INT_MIN, from, from);
  }
  EXPECT_EQ(countType(12), 3);
  EXPECT_TRUE(takeQueuedDraws().empty());
  EXPECT_EQ(EffectTable[0].type, 0);
}

TEST_F(EnemyOps, PickupsAreThrownTowardTheMiddleOfThePlayersPlane) {
  const double from[3] = {0.0, 240.0, 1000.0};
  throwPickup(47, 10.0, from);
  throwPickup(48, 8.0, from);
  throwBonusPickup(48, 12.0, from);
  const int32_t sprites[3] = {12, 13, 49};
  const double speeds[3] = {10.0, 8.0, 12.0};
  for (int32_t slot = 0; slot < 3; ++slot) {
    const Actor& p = ActorTable[slot];
    EXPECT_EQ(p.sprite, sprites[slot]);
    EXPECT_EQ(p.age, 0);
    EXPECT_DOUBLE_EQ(p.vel[2], -speeds[slot]);
    EXPECT_EQ(p.vel[0], 0.0);
    EXPECT_EQ(p.anchor[1], 240.0);
    EXPECT_EQ(p.anchor[2], 0.0);
  }
  EXPECT_EQ(ActorTable[0].type, 47);
  EXPECT_EQ(count(soundsAsked(), PickupSound), 3);
}

TEST_F(EnemyOps, AimingAtThePlayerAnswersTheDistanceAndNothingWhenThere) {
  double vel[3] = {5, 5, 5};
  const double from[3] = {0.0, 400.0, 540.0};
  EXPECT_DOUBLE_EQ(aimVelocity(from, vel, 4.0), 300.0);
  EXPECT_DOUBLE_EQ(vel[2], -4.0);
  EXPECT_EQ(aimVelocity(ThePlayer.pos, vel, 4.0), 0.0);
  EXPECT_EQ(vel[0], 0.0);
  EXPECT_EQ(vel[1], 0.0);
  EXPECT_EQ(vel[2], 0.0);
}

TEST_F(EnemyOps, TurningStepsTowardTheTargetOnEitherSideInTheHorizontalPlane) {
  const double at[3] = {0.0, 0.0, 1000.0};
  const double step = 0.5235987755833333;
  for (double side : {1.0, -1.0}) {
    double vel[3] = {0.0, 3.0, 10.0};  // into the depth
    const double target[3] = {500.0 * side, 0.0, 1000.0};
    turnToward(at, target, vel, step);
    EXPECT_NEAR(vel[0], side * 10.0 * std::sin(step), 1e-12);
    EXPECT_NEAR(vel[2], 10.0 * std::cos(step), 1e-12);
    EXPECT_EQ(vel[1], 3.0);
  }
}

TEST_F(EnemyOps, HeadingsCoverTheFullTurnFromPlusX) {
  EXPECT_EQ(headingOf(0.0, -1.0), 4.71238898025);
  EXPECT_EQ(headingOf(0.0, 1.0), 1.57079632675);
  EXPECT_EQ(headingOf(0.0, 0.0), 1.57079632675);
  EXPECT_DOUBLE_EQ(headingOf(-1.0, 0.0), 3.1415926535);
  EXPECT_DOUBLE_EQ(headingOf(1.0, -1.0), 6.283185307 - std::atan(1.0));
  EXPECT_DOUBLE_EQ(headingOf(1.0, 1.0), std::atan(1.0));
  EXPECT_DOUBLE_EQ(headingOf(-1.0, -1.0), 3.1415926535 + std::atan(1.0));
}

TEST_F(EnemyOps, ClampRangeHoldsBetweenLowAndHigh) {
  EXPECT_EQ(clampRange(500.0, 400.0, -800.0), 400.0);
  EXPECT_EQ(clampRange(-900.0, 400.0, -800.0), -800.0);
  EXPECT_EQ(clampRange(12.5, 400.0, -800.0), 12.5);
}

TEST_F(EnemyOps, PuffsAreEmittedOnMultiplesOfThePeriod) {
  const double at[3] = {1, 2, 3};
  const double back[3] = {-4, -5, -6};
  for (int32_t age = -8; age <= 16; ++age) emitEffectEvery({17, 8, 64.0}, age, at, back);
  EXPECT_EQ(EffectCursor, 4);  // -8, 0, 8, 16
  const Effect& e = EffectTable[1];
  EXPECT_EQ(e.type, EffectType::Puff);
  EXPECT_EQ(e.textureSlot, 17);
  EXPECT_EQ(e.pos[2], 3.0);
  EXPECT_EQ(e.vel[1], -5.0);
  EXPECT_EQ(e.size[0], 64.0);
  EXPECT_EQ(e.size[2], 64.0);
}
}  // namespace

TEST_F(EnemyOps, TheHurtTintStartsJustBelowTheThresholdAndKeepsRedFull) {
  SpriteFrame f{};
  f.hpAtEntry = 20;
  redTintBelow(f, 20, 0.05);
  EXPECT_EQ(f.tint[1], 1.0);  // at the threshold: untouched
  f.hpAtEntry = 19;
  redTintBelow(f, 20, 0.05);
  EXPECT_EQ(f.tint[0], 1.0);
  EXPECT_DOUBLE_EQ(f.tint[1], 0.95);
  EXPECT_DOUBLE_EQ(f.tint[2], 0.95);
}

TEST_F(EnemyOps, AFallenBossHandsTheStageToAStageEndThatWaitsItsStart) {
  const int32_t boss = place(23, 40, 0, {10.0, 300.0, 900.0});
  handStageToEnd(ActorTable[boss], -300);
  int32_t end = -1;
  for (int32_t i = 0; i < ActorCount; ++i) end = ActorTable[i].type == 55 ? i : end;
  ASSERT_GE(end, 0);
  EXPECT_EQ(ActorTable[end].age, -300);
  EXPECT_EQ(ActorTable[end].lifetime, 200);
  EXPECT_EQ(ActorTable[end].pos[2], 900.0);
}
