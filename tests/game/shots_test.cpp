#include "game/shots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "actors/actor_table.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/model_table.h"
#include "tests/support/play_fixture.h"

namespace {
class Shots : public PlayTablesTest {
 protected:
  void lockOn(std::initializer_list<int32_t> slots) {
    for (int32_t slot : slots) Game.lockList[Game.lockCount++] = slot;
  }
  // Updates until the shot in slot is freed (at most 1000 times); answers the count, and
  // fails if the shot was ever drawn while blast is set.
  int32_t updatesUntilFree(int32_t slot, bool drawn) {
    int32_t updates = 0;
    while (ShotTable[slot].state != ShotState::Free && updates < 1000) {
      updateShots(updates);
      ++updates;
      EXPECT_EQ(!takeQueuedDraws().empty(), drawn) << "update " << updates;
    }
    return updates;
  }
  std::vector<DrawItem> modelsQueued() {
    std::vector<DrawItem> models;
    for (const DrawItem& item : takeQueuedDraws()) {
      if (item.drawKind == ModelDrawKind) models.push_back(item);
    }
    return models;
  }
};

void expectVec(const double* v, double x, double y, double z) {
  EXPECT_NEAR(v[0], x, 1e-9);
  EXPECT_NEAR(v[1], y, 1e-9);
  EXPECT_NEAR(v[2], z, 1e-9);
}

// Where a shot's trail or disc was queued: always 80 x 48, turned by the angle.
void expectPlaced(const DrawItem& item, double x, double y, double z, double angle) {
  EXPECT_DOUBLE_EQ(item.x, x);
  EXPECT_DOUBLE_EQ(item.y, y);
  EXPECT_DOUBLE_EQ(item.z, z);
  EXPECT_DOUBLE_EQ(item.sx, 80.0);
  EXPECT_DOUBLE_EQ(item.sy, 48.0);
  EXPECT_DOUBLE_EQ(item.angle, angle);
}

bool sameShot(const Shot& a, const Shot& b) {
  for (int i = 0; i < 3; ++i) {
    if (a.pos[i] != b.pos[i] || a.vel[i] != b.vel[i]) return false;
  }
  return a.state == b.state && a.age == b.age && a.target == b.target;
}
}  // namespace

TEST_F(Shots, ShotsTakeTheLowestFreeSlotAndANinthIsLostWithItsSound) {
  for (int32_t i = 0; i < ShotCount; ++i) EXPECT_EQ(fireShot(i, 0, 0), i);
  Shot before[ShotCount];
  std::copy_n(ShotTable, ShotCount, before);
  lockOn({3});  // the lock waits for a shot that can fly
  ActorTable[3].lockTimer = 120;

  EXPECT_EQ(fireShot(99, 99, 99), ShotCount);
  for (int32_t i = 0; i < ShotCount; ++i) EXPECT_TRUE(sameShot(ShotTable[i], before[i])) << i;
  EXPECT_EQ(Game.lockCount, 1);
  EXPECT_EQ(Game.lockNext, 0);
  EXPECT_EQ(ActorTable[3].lockTimer, 120);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>(9, 0));

  ShotTable[5].state = ShotState::Free;
  ShotTable[3].state = ShotState::Free;
  EXPECT_EQ(fireShot(0, 0, 0), 3);
  EXPECT_EQ(ShotTable[3].target, 3);
}

TEST_F(Shots, LockedEnemiesTakeTheFirstShotsInListOrderAndTheNextShotEmptiesTheList) {
  lockOn({9, 5});
  ActorTable[9].lockTimer = 120;
  ActorTable[5].lockTimer = -4;  // its lock ran out before the shot left

  EXPECT_EQ(fireShot(0, 0, 0), 0);
  EXPECT_EQ(Game.lockNext, 1);
  EXPECT_EQ(fireShot(0, 0, 0), 1);
  EXPECT_EQ(fireShot(0, 0, 0), 2);

  EXPECT_EQ(ShotTable[0].state, ShotState::Homing);
  EXPECT_EQ(ShotTable[0].target, 9);
  EXPECT_EQ(ShotTable[0].age, 0);
  EXPECT_EQ(ActorTable[9].lockTimer, 180);
  EXPECT_EQ(ShotTable[1].state, ShotState::Homing);
  EXPECT_EQ(ShotTable[1].target, 5);
  EXPECT_EQ(ActorTable[5].lockTimer, 0);
  EXPECT_EQ(ShotTable[2].state, ShotState::Straight);
  EXPECT_EQ(ShotTable[2].age, 30);
  EXPECT_EQ(Game.lockCount, 0);
  EXPECT_EQ(Game.lockNext, 0);

  // A lock made afterwards is handed out from the start of the list again.
  lockOn({12});
  ActorTable[12].lockTimer = 1;
  EXPECT_EQ(fireShot(0, 0, 0), 3);
  EXPECT_EQ(ShotTable[3].target, 12);
  EXPECT_EQ(ActorTable[12].lockTimer, 180);
}

TEST_F(Shots, ShotsSpreadWithThePlayersPositionAndFlyLevelAtGroundOrUnderACeiling) {
  ThePlayer.pos[0] = -100.0;
  ThePlayer.pos[1] = 250.0;
  fireShot(7.0, 11.0, 13.0);  // the muzzle point does not steer the spread
  expectVec(ShotTable[0].pos, 7.0, 11.0, 13.0);
  expectVec(ShotTable[0].vel, -20.0, -15.0, 100.0);

  ThePlayer.pos[1] = 400.0;
  fireShot(0, 0, 0);
  expectVec(ShotTable[1].vel, -20.0, 0.0, 100.0);

  Game.tunnelCeiling = 60.0;
  ThePlayer.pos[1] = 100.0;
  fireShot(0, 0, 0);
  expectVec(ShotTable[2].vel, -20.0, 0.0, 100.0);
}

TEST_F(Shots, AHomingShotWhoseLockHadRunOutTurnsStraightOnItsFirstUpdate) {
  lockOn({4});
  ActorTable[4].lockTimer = 0;
  ActorTable[4].pos[0] = 500.0;
  ThePlayer.pos[1] = 400.0;
  fireShot(0.0, 380.0, 272.0);
  ASSERT_EQ(ShotTable[0].state, ShotState::Homing);

  updateShots(1);
  EXPECT_EQ(ShotTable[0].state, ShotState::Straight);
  expectVec(ShotTable[0].vel, 0.0, 0.0, 100.0);  // kept as launched
  expectVec(ShotTable[0].pos, 0.0, 380.0, 372.0);
  // The trail of that update is still the homing one, left where the shot was.
  std::vector<DrawItem> items = takeQueuedDraws();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].image, int32_t(FakeTextureBase + 10));
  EXPECT_DOUBLE_EQ(items[0].z, 262.0);
}

TEST_F(Shots, AHomingShotSteersOntoItsTargetFromAge11Only) {
  ShotTable[2] = Shot{ShotState::Homing, 10, 7, {0, 0, 0}, {0, 0, 100}};
  ActorTable[7].lockTimer = 50;
  ActorTable[7].pos[0] = 300.0;
  ActorTable[7].pos[2] = 400.0;

  updateShots(0);
  expectVec(ShotTable[2].vel, 0.0, 0.0, 100.0);
  expectVec(ShotTable[2].pos, 0.0, 0.0, 100.0);

  updateShots(1);
  double s = 100.0 / std::sqrt(2.0);
  expectVec(ShotTable[2].vel, s, 0.0, s);
  expectVec(ShotTable[2].pos, s, 0.0, 100.0 + s);
  EXPECT_EQ(ShotTable[2].state, ShotState::Homing);

  // Sitting on its target, it stops rather than flying off in a made-up direction.
  ShotTable[2].pos[0] = 300.0;
  ShotTable[2].pos[2] = 400.0;
  updateShots(2);
  expectVec(ShotTable[2].vel, 0.0, 0.0, 0.0);
  expectVec(ShotTable[2].pos, 300.0, 0.0, 400.0);
}

TEST_F(Shots, StraightShotsLive62UpdatesHomingShots92AndAnUndrawnBlast3) {
  fireShot(0, 0, 0);
  EXPECT_EQ(updatesUntilFree(0, true), 62);

  lockOn({1});
  ActorTable[1].lockTimer = 120;
  fireShot(0, 0, 0);
  ASSERT_EQ(ShotTable[0].state, ShotState::Homing);
  EXPECT_EQ(updatesUntilFree(0, true), 92);

  ShotTable[6] = Shot{ShotState::Blast, 89, 0, {0, 0, 0}, {0, 0, -10}};
  EXPECT_EQ(updatesUntilFree(6, false), 3);
  expectVec(ShotTable[6].pos, 0.0, 0.0, -30.0);
}

TEST_F(Shots, AStraightShotDrawsItsTrailBehindWhereItWasAndItsDiscWhereItMoved) {
  ShotTable[0] = Shot{ShotState::Straight, 40, 0, {5, 6, 700}, {1, 2, 100}};
  updateShots(0);
  std::vector<DrawItem> items = takeQueuedDraws();
  ASSERT_EQ(items.size(), 2u);
  const DrawItem& trail = items[0];
  EXPECT_EQ(trail.image, int32_t(FakeTextureBase + 11));
  EXPECT_NE(trail.drawKind, ModelDrawKind);
  expectPlaced(trail, 5.0, 6.0, 690.0, 400.0);
  for (double c : trail.colour) EXPECT_DOUBLE_EQ(c, 1.0);
  const DrawItem& disc = items[1];
  EXPECT_EQ(disc.image, DiscModel);
  EXPECT_EQ(disc.drawKind, ModelDrawKind);
  expectPlaced(disc, 6.0, 8.0, 800.0, 400.0);
}

TEST_F(Shots, TheGlowsBlueTellsTheStateAndItsGreenFlickersWithTheClock) {
  ShotTable[0] = Shot{ShotState::Straight, 30, 0, {}, {}};
  ShotTable[1] = Shot{ShotState::Homing, 0, 3, {}, {}};
  ShotTable[2] = Shot{ShotState::Deflected, 0, 0, {}, {}};
  ShotTable[3] = Shot{ShotState::Blast, 0, 0, {}, {}};
  ShotTable[4] = Shot{7, 0, 0, {}, {}};  // no state of ours: drawn plain
  ActorTable[3].lockTimer = 100;
  const double blues[] = {0.2, 0.1, 0.8, 0.0};

  for (int32_t clock : {7, 8, -1, 0}) {
    updateShots(clock);
    std::vector<DrawItem> models = modelsQueued();
    ASSERT_EQ(models.size(), 4u) << clock;
    double green = (clock == 8 || clock == 0) ? 0.4 : 0.2;
    for (int i = 0; i < 4; ++i) {
      EXPECT_DOUBLE_EQ(models[i].colour[0], 1.0);
      EXPECT_DOUBLE_EQ(models[i].colour[1], green) << clock;
      EXPECT_DOUBLE_EQ(models[i].colour[2], blues[i]) << i;
      EXPECT_DOUBLE_EQ(models[i].colour[3], 1.0);
    }
  }
}

// A homing shot follows a slot, not an actor: once its target is freed or the slot holds
// another actor, it steers at whatever stands there for as long as that slot's lock
// timer is above 0.
TEST_F(Shots, AHomingShotWhoseTargetWasFreedAimsOnceAtTheSlotAndFliesStraight) {
  // A sprite actor that frees itself clears its lock timer.
  ActorTable[7] = Actor{};
  ActorTable[7].pos[0] = 300.0;
  ActorTable[7].pos[2] = 400.0;
  ShotTable[2] = Shot{ShotState::Homing, 11, 7, {0, 0, 0}, {0, 0, 100}};
  updateShots(0);
  expectVec(ShotTable[2].vel, 60.0, 0.0, 80.0);  // 100 toward (300, 0, 400)
  EXPECT_EQ(ShotTable[2].state, ShotState::Straight);
  ActorTable[7].pos[0] = -300.0;
  updateShots(1);
  expectVec(ShotTable[2].vel, 60.0, 0.0, 80.0);
}

TEST_F(Shots, AHomingShotKeepsSteeringAtAFreedSlotWhoseLockStillRuns) {
  // A model actor leaves its lock timer as it was when it ends.
  ActorTable[7] = Actor{};
  ActorTable[7].lockTimer = 50;
  ActorTable[7].pos[0] = 300.0;
  ActorTable[7].pos[2] = 400.0;
  ShotTable[2] = Shot{ShotState::Homing, 11, 7, {0, 0, 0}, {0, 0, 100}};
  updateShots(0);
  EXPECT_EQ(ShotTable[2].state, ShotState::Homing);
  ActorTable[7].pos[0] = -300.0;  // what stands there now
  ActorTable[7].pos[2] = ShotTable[2].pos[2];
  updateShots(1);
  expectVec(ShotTable[2].vel, -100.0, 0.0, 0.0);
  EXPECT_EQ(ShotTable[2].state, ShotState::Homing);
}

TEST_F(Shots, AHomingShotWhoseTargetsSlotWasTakenAimsAtTheNewcomerOnceAndFliesStraight) {
  ShotTable[2] = Shot{ShotState::Homing, 11, 7, {0, 0, 0}, {0, 0, 100}};
  ActorTable[7].type = 15;
  ActorTable[7].lockTimer = 50;
  ActorTable[7].type = 0;  // gone, and its slot taken at once by a new actor
  SpawnCursor = 7;
  const double at[3] = {0.0, 300.0, 0.0}, zero[3] = {0.0, 0.0, 0.0};
  ASSERT_EQ(spawnActor(15, 1, 0, at, zero, zero), 7);
  updateShots(0);
  expectVec(ShotTable[2].vel, 0.0, 100.0, 0.0);
  EXPECT_EQ(ShotTable[2].state, ShotState::Straight);  // a spawn starts with its lock at 0
}
