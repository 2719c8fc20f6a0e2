#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "game/effects.h"
#include "game/shots.h"
#include "tests/actors/enemy_fixture.h"

namespace {
using SpriteActors = EnemyTest;

constexpr int32_t Still = 20;    // a type with no behaviour of its own
constexpr int32_t Drifter = 44;  // moves and leaves by the usual exit
constexpr int32_t Fighter = 15;  // reaction 1: shots wear it down
constexpr int32_t Bullet = 10;

TEST_F(SpriteActors, EachFrameAgesTheActorAndDrawsItsPictureWithAShadow) {
  int32_t slot = place(Still, 97, 7, {100, 200, 3000}, {5, 5, 5});
  std::vector<DrawItem> draws = walk();
  const Actor& a = ActorTable[slot];
  EXPECT_EQ(a.age, 8);
  EXPECT_EQ(a.pos[0], 100.0);  // no behaviour: it does not even move
  ASSERT_EQ(draws.size(), 1u);
  const DrawItem& d = draws[0];
  EXPECT_EQ(slotOf(d), 97);
  EXPECT_EQ(d.drawKind, 0);
  EXPECT_EQ(d.x, 100.0);
  EXPECT_EQ(d.y, 200.0);
  EXPECT_EQ(d.z, 3000.0);
  EXPECT_EQ(d.sx, 128.0);
  EXPECT_EQ(d.sy, 128.0);
  EXPECT_EQ(d.angle, 0.0);
  for (double c : d.colour) EXPECT_EQ(c, 1.0);

  // The actors run on while the clock stands, though nothing touches them.
  actorWalk(clock_);
  takeQueuedDraws();
  EXPECT_EQ(a.age, 9);
}

TEST_F(SpriteActors, AnActorLeavingTheFieldIsDrawnOnceMoreAndLosesItsLock) {
  struct Case {
    Vec3 pos, vel;
  };
  const Case cases[] = {
      {{0, 0, 5990}, {0, 0, 20}},                              // past the far edge
      {{0, 0, 170}, {0, 0, -180}},                             // behind the camera
      {{0, 0, std::numeric_limits<double>::quiet_NaN()}, {}},  // nowhere at all
  };
  for (const Case& c : cases) {
    int32_t slot = place(Drifter, 39, 0, c.pos, c.vel);
    ActorTable[slot].lockTimer = 100;
    std::vector<DrawItem> draws = walk();
    EXPECT_EQ(ActorTable[slot].type, 0) << c.pos.z;
    EXPECT_EQ(ActorTable[slot].lockTimer, 0);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(slotOf(draws[0]), 39);
    walk();
  }
  EXPECT_EQ(Game.score, 0);
}

TEST_F(SpriteActors, TheViewIsAConeOf55DegreesEitherSideBeyondDepth160) {
  // At depth 1000 the edge of the cone lies 1000 / tan 35 = 1428 to either side.
  const Vec3 inside[] = {{0, 0, 161}, {1400, 0, 1000}, {-1400, 0, 1000}};
  const Vec3 outside[] = {{0, 0, 160}, {1450, 0, 1000}, {-1450, 0, 1000}};
  for (Vec3 p : inside) place(Drifter, 39, 0, p);
  for (Vec3 p : outside) place(Drifter, 39, 0, p);
  walk();
  for (int32_t slot = 0; slot < 3; ++slot) EXPECT_EQ(ActorTable[slot].type, Drifter) << slot;
  for (int32_t slot = 3; slot < 6; ++slot) EXPECT_EQ(ActorTable[slot].type, 0) << slot;
}

TEST_F(SpriteActors, AShotThatWearsOutTheLastHitPointKillsInTheSameFrame) {
  int32_t slot = place(Fighter, 80, 1, {0, 200, 2000});
  ShotTable[0].state = ShotState::Straight;
  for (int i = 0; i < 3; ++i) ShotTable[0].pos[i] = ActorTable[slot].pos[i];
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(ActorTable[slot].type, 0);
  EXPECT_EQ(countSlot(draws, 80), 1);  // its last picture
  EXPECT_EQ(Game.score, 1000);
  EXPECT_EQ(ShotTable[0].state, ShotState::Free);
}

TEST_F(SpriteActors, AnActorThatDiesAsItLeavesTheFieldDiesByTheDefaultRow) {
  int32_t slot = place(Fighter, 80, 1, {0, 200, 6100});
  ActorTable[slot].hp = 0;
  walk();
  EXPECT_EQ(ActorTable[slot].type, 0);
  EXPECT_EQ(Game.score, 1000);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{3});
  EXPECT_EQ(EffectTable[0].type, EffectType::GroundBurst);
  EXPECT_EQ(EffectTable[0].textureSlot, 68);
}

TEST_F(SpriteActors, ASpriteFromTheDataOutsideTheTableDrawsNothing) {
  place(Still, 5000, 0, {0, 0, 3000});
  place(Still, -3, 0, {0, 0, 3000});
  std::vector<DrawItem> draws = walk();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].image, 0);
  EXPECT_EQ(draws[1].image, 0);
}

TEST_F(SpriteActors, ExtremeAgesAndVectorsFromTheStageFileRunWithoutFault) {
  int32_t slot = place(Bullet, 1, std::numeric_limits<int32_t>::max(), {0, 0, 3000});
  walk();
  EXPECT_EQ(ActorTable[slot].type, 0);  // far too old
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const int32_t starts[] = {std::numeric_limits<int32_t>::min(), -1, 0,
                            std::numeric_limits<int32_t>::max()};
  const Vec3 vectors[] = {
      {1, 1, -1}, {nan, nan, nan}, {inf, -inf, inf}, {1e308, -1e308, 1e308}, {0, 0, 0}};
  for (int32_t type = 6; type <= 48; ++type) {
    for (int32_t start : starts) {
      for (Vec3 v : vectors) {
        place(type, start, start, {v.x, v.y, 3000}, v, v);
        place(type, start, start, v, v, v);
      }
    }
    walk(3);
    resetActors();
  }
}
}  // namespace
