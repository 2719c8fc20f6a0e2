#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "actors/actor_table.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/audio.h"
#include "tests/actors/actor_fixture.h"

namespace {
constexpr int32_t HitSound = 10;
constexpr int32_t DeflectSound = 6;
constexpr int32_t LockOnSound = 8;

class ActorContact : public ActorFixture {
 protected:
  // An actor of the type with its flags replaced, at the player's position plus offset.
  int32_t placeNearPlayer(int32_t flags, double dx, double dy, double dz, int32_t type = 15) {
    const double* p = ThePlayer.pos;
    int32_t slot = place(type, p[0] + dx, p[1] + dy, p[2] + dz);
    ActorTable[slot].flags = flags;
    return slot;
  }
  // True when the actor posts an event this contact.
  bool touchesPlayer(int32_t slot) {
    ThePlayer.event = PlayerEvent::None;
    actorContact(slot);
    return ThePlayer.event != PlayerEvent::None;
  }
  Shot& shotAt(int32_t i, int32_t state, const double* pos) {
    Shot& s = ShotTable[i];
    s.state = state;
    s.age = 40;
    for (int k = 0; k < 3; ++k) {
      s.pos[k] = pos[k];
      s.vel[k] = 0.0;
    }
    s.vel[2] = 100.0;
    return s;
  }
};

// Reaction 3 (HitHard) with each shape, the player just inside and exactly at the edge.
TEST_F(ActorContact, SpheresAndCylindersTouchOnlyStrictlyInside) {
  // At the origin every offset below is exact.
  ThePlayer.pos[1] = 0.0;
  ThePlayer.pos[2] = 0.0;
  struct Edge {
    int32_t shape;
    double radius, halfHeight;  // half-height 0: a sphere
  };
  const Edge edges[] = {{1, 128, 0}, {2, 64, 0}, {6, 128, 512}, {7, 128, 256}, {8, 64, 128}};
  for (const Edge& e : edges) {
    SCOPED_TRACE(e.shape);
    int32_t flags = 0x10300 | e.shape;
    double inside = std::nextafter(e.radius, 0.0);
    EXPECT_TRUE(touchesPlayer(placeNearPlayer(flags, inside, 0, 0)));
    EXPECT_TRUE(touchesPlayer(placeNearPlayer(flags, 0, 0, -inside)));
    EXPECT_FALSE(touchesPlayer(placeNearPlayer(flags, e.radius, 0, 0)));
    EXPECT_FALSE(touchesPlayer(placeNearPlayer(flags, 0, 0, e.radius)));
    // Inside on each axis is not inside: a round test, not a box.
    EXPECT_FALSE(touchesPlayer(placeNearPlayer(flags, e.radius * 0.75, 0, e.radius * 0.75)));
    if (e.halfHeight == 0) {
      EXPECT_FALSE(touchesPlayer(placeNearPlayer(flags, 0, e.radius, 0)));
      EXPECT_TRUE(touchesPlayer(placeNearPlayer(flags, 0, -inside, 0)));
    } else {
      // A cylinder's height does not count toward its radius.
      double below = std::nextafter(e.halfHeight, 0.0);
      EXPECT_TRUE(touchesPlayer(placeNearPlayer(flags, inside, below, 0)));
      EXPECT_TRUE(touchesPlayer(placeNearPlayer(flags, 0, -below, inside)));
      EXPECT_FALSE(touchesPlayer(placeNearPlayer(flags, 0, e.halfHeight, 0)));
      EXPECT_FALSE(touchesPlayer(placeNearPlayer(flags, 0, -e.halfHeight, 0)));
    }
    resetActors();
  }
}

TEST_F(ActorContact, OtherShapesNeverTouchEvenRightOnThePlayer) {
  // 0xFF is shape -1, 0x80 is -128.
  for (int32_t shape : {0, 3, 4, 5, 9, 0x7F, 0x80, 0xFF}) {
    EXPECT_FALSE(touchesPlayer(placeNearPlayer(0x10300 | shape, 0, 0, 0))) << shape;
  }
}

TEST_F(ActorContact, TouchingThePlayerPostsTheEventOfTheReaction) {
  struct Case {
    int32_t type, reaction, event;
  };
  const Case cases[] = {
      {15, 1, PlayerEvent::HitHard},      {15, 2, PlayerEvent::HitHard},
      {15, 3, PlayerEvent::HitHard},      {15, 4, PlayerEvent::HitHard},
      {15, 5, PlayerEvent::HitSoft},      {47, 6, PlayerEvent::ExtraLife},
      {48, 6, PlayerEvent::Coin},         {15, 6, PlayerEvent::Coin},
      {15, 0, PlayerEvent::ForceDash},    {15, 7, PlayerEvent::ForceDash},
      {15, 0xFF, PlayerEvent::ForceDash},
  };
  for (const Case& c : cases) {
    int32_t slot = placeNearPlayer(0x10001 | (c.reaction << 8), 10, 10, 10, c.type);
    ThePlayer.event = PlayerEvent::ForceDash;  // an earlier writer this frame
    actorContact(slot);
    EXPECT_EQ(ThePlayer.event, c.event) << "type " << c.type << " reaction " << c.reaction;
  }
}

TEST_F(ActorContact, PickUpsPostExtraLifeForType47AndCoinForType48) {
  int32_t life = place(47, 0, 400, 250);
  actorContact(life);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::ExtraLife);
  int32_t coin = place(48, 0, 400, 250);
  actorContact(coin);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::Coin);
}

TEST_F(ActorContact, AShotThatHitsIsUsedUpAndOnlyASurvivedHitSounds) {
  const double at[3] = {0, 100, 2000};
  for (int32_t reaction : {1, 3}) {
    SCOPED_TRACE(reaction);
    int32_t slot = place(15, at[0], at[1], at[2]);
    ActorTable[slot].flags = 0x10001 | (reaction << 8);
    ActorTable[slot].hp = 1;
    shotAt(0, ShotState::Straight, at);
    actorContact(slot);
    EXPECT_EQ(ActorTable[slot].hp, 0);
    EXPECT_EQ(ShotTable[0].state, ShotState::Free);
    EXPECT_EQ(effectCount(HitSound), 0);  // the death is the actor's own update's to sound

    ActorTable[slot].hp = 2;
    shotAt(0, ShotState::Homing, at);
    actorContact(slot);
    EXPECT_EQ(ActorTable[slot].hp, 1);
    EXPECT_EQ(ShotTable[0].state, ShotState::Free);
    EXPECT_EQ(effectCount(HitSound), 1);

    // Two shots in one contact: the second finds hp 1.
    ActorTable[slot].hp = 2;
    shotAt(3, ShotState::Straight, at);
    shotAt(6, ShotState::Blast, at);
    actorContact(slot);
    EXPECT_EQ(ActorTable[slot].hp, 0);
    EXPECT_EQ(ShotTable[3].state, ShotState::Free);
    EXPECT_EQ(ShotTable[6].state, ShotState::Free);
    EXPECT_EQ(effectCount(HitSound), 2);
    ActorTable[slot].type = 0;
    clearAudioLog();
  }
}

TEST_F(ActorContact, FreeAndDeflectedShotsAndHarmlessReactionsPassThrough) {
  const double at[3] = {0, 100, 2000};
  int32_t slot = place(15, at[0], at[1], at[2]);
  ActorTable[slot].hp = 5;
  for (int32_t state : {ShotState::Free, ShotState::Deflected, 5, -1}) {
    shotAt(0, state, at);
    actorContact(slot);
    EXPECT_EQ(ShotTable[0].state, state);
  }
  for (int32_t reaction : {0, 5, 6, 7, 0x80}) {
    ActorTable[slot].flags = 0x10001 | (reaction << 8);
    shotAt(0, ShotState::Straight, at);
    actorContact(slot);
    EXPECT_EQ(ShotTable[0].state, ShotState::Straight) << reaction;
  }
  EXPECT_EQ(ActorTable[slot].hp, 5);
  EXPECT_EQ(Game.score, 0);
}

TEST_F(ActorContact, ArmourDeflectsAShotForPointsAndDifficulty) {
  const double at[3] = {0, 100, 2000};
  int32_t slot = place(7, at[0], at[1], at[2]);  // reaction 4
  shotAt(2, ShotState::Straight, at);
  // A seed whose first signed random number is negative: the sideways speed keeps its sign.
  unsigned seed = 1;
  while ((std::srand(seed), std::rand() - 16383) % 60 >= 0) ++seed;
  std::srand(seed);
  int32_t expected = (std::rand() - 16383) % 60;
  std::srand(seed);
  actorContact(slot);
  EXPECT_EQ(ShotTable[2].state, ShotState::Deflected);
  EXPECT_EQ(ShotTable[2].vel[0], double(expected));
  EXPECT_LT(ShotTable[2].vel[0], 0.0);
  EXPECT_GT(ShotTable[2].vel[0], -60.0);
  EXPECT_EQ(ShotTable[2].vel[1], -30.0);
  EXPECT_EQ(ShotTable[2].vel[2], -30.0);
  EXPECT_EQ(Game.score, 300);
  EXPECT_DOUBLE_EQ(Game.difficulty, 0.002);
  EXPECT_EQ(effectCount(DeflectSound), 1);
  EXPECT_EQ(ActorTable[slot].hp, 1);
  // Deflected, it is no longer tested: neither by this actor nor by another behind it.
  place(7, at[0], at[1], at[2]);
  actorWalk(1);
  EXPECT_EQ(Game.score, 300);
}

TEST_F(ActorContact, AnArmouredActorThatCanBeWornDownLosesAHitPointAsItDeflects) {
  const double at[3] = {0, 100, 2000};
  int32_t slot = place(9, at[0], at[1], at[2]);  // reaction 2
  ActorTable[slot].hp = 10;
  shotAt(0, ShotState::Homing, at);
  actorContact(slot);
  EXPECT_EQ(ActorTable[slot].hp, 9);
  EXPECT_EQ(ShotTable[0].state, ShotState::Deflected);
  EXPECT_EQ(Game.score, 300);
  EXPECT_EQ(effectCount(DeflectSound), 1);
  EXPECT_EQ(effectCount(HitSound), 0);
}

TEST_F(ActorContact, ABlastUnderArmourScoresOnEveryFrameOfOverlapAndStaysABlast) {
  const double at[3] = {0, 100, 2000};
  place(7, at[0], at[1], at[2]);  // reaction 4
  Shot& blast = shotAt(4, ShotState::Blast, at);
  blast.vel[2] = -10.0;
  for (int32_t clock = 1; clock <= 3; ++clock) {
    actorWalk(clock);
    EXPECT_EQ(Game.score, 300 * clock);
  }
  actorWalk(3);  // a standing clock: no contact
  EXPECT_EQ(Game.score, 900);
  EXPECT_EQ(blast.state, ShotState::Blast);
  EXPECT_EQ(blast.vel[0], 0.0);
  EXPECT_EQ(blast.vel[2], -10.0);
  EXPECT_EQ(effectCount(DeflectSound), 0);
  EXPECT_NEAR(Game.difficulty, 0.006, 1e-12);
}

TEST_F(ActorContact, APointShapedActorIsNeverHitButCanBeLockedOn) {
  // Straight ahead of the player's aim: aim (0, 400 * 0.8 / 240); screen y of the actor
  // is (z - 240 + y) / z.
  const double z = 1000.0;
  const double y = 400.0 * 0.8 / 240.0 * z - z + 240.0;
  int32_t slot = place(15, 0, y, z);
  ActorTable[slot].flags = 0x10103;  // reaction 1, shape 3
  ActorTable[slot].hp = 3;
  Shot& shot = shotAt(0, ShotState::Straight, ActorTable[slot].pos);
  ThePlayer.pos[1] = y;
  ThePlayer.pos[2] = z;
  actorContact(slot);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::None);
  EXPECT_EQ(shot.state, ShotState::Straight);
  EXPECT_EQ(ActorTable[slot].hp, 3);
  // The player is elsewhere now, but the lock-on uses where it aims, not where it touches.
  ThePlayer.pos[1] = 400.0;
  ThePlayer.pos[2] = 240.0;
  ActorTable[slot].lockTimer = -1;
  Game.lockCount = 0;
  actorContact(slot);
  EXPECT_EQ(Game.lockCount, 1);
  EXPECT_EQ(Game.lockList[0], slot);
  EXPECT_EQ(ActorTable[slot].lockTimer, 120);
}

class LockOn : public ActorContact {
 protected:
  // With the player at (0, 0, 240) the aim point is (0, 0); an actor at depth 1000 and
  // height -760 sits on screen at (x / 1000, 0).
  void SetUp() override {
    ActorContact::SetUp();
    ThePlayer.pos[0] = 0.0;
    ThePlayer.pos[1] = 0.0;
  }
  int32_t lockable(double x, int32_t lockTimer = -1) {
    int32_t slot = place(15, x, -760.0, 1000.0);  // reaction 1, shape 1
    ActorTable[slot].lockTimer = lockTimer;
    return slot;
  }
};

TEST_F(LockOn, AnActorWithinReachOfTheAimIsLockedOnWithASound) {
  int32_t slot = lockable(199.0);
  actorContact(slot);
  EXPECT_EQ(Game.lockCount, 1);
  EXPECT_EQ(Game.lockList[0], slot);
  EXPECT_EQ(ActorTable[slot].lockTimer, 120);
  EXPECT_EQ(effectCount(LockOnSound), 1);
  // Exactly at the reach, 0.2 on screen, is out of reach.
  int32_t edge = lockable(200.0);
  actorContact(edge);
  EXPECT_EQ(Game.lockCount, 1);
  EXPECT_EQ(ActorTable[edge].lockTimer, -1);
}

TEST_F(LockOn, TheAimFallsShortOfThePlayerSidewaysAndUpward) {
  // At (100, 300, 240) the player aims at (0.375, 1.0), short of its own screen point
  // (0.4167, 1.25). Actors 0.19 from the aim on the far side from that point lock on.
  ThePlayer.pos[0] = 100.0;
  ThePlayer.pos[1] = 300.0;
  int32_t beside = place(15, 185.0, 240.0, 1000.0);  // on screen (0.185, 1.0)
  int32_t above = place(15, 375.0, 50.0, 1000.0);    // on screen (0.375, 0.81)
  ActorTable[beside].lockTimer = -1;
  ActorTable[above].lockTimer = -1;
  actorContact(beside);
  actorContact(above);
  EXPECT_EQ(Game.lockCount, 2);
  EXPECT_EQ(ActorTable[beside].lockTimer, 120);
  EXPECT_EQ(ActorTable[above].lockTimer, 120);
}

TEST_F(LockOn, OnlyAnUnlockedReaction1ActorIsLockedAndOnlyWhileTheListHasRoom) {
  actorContact(lockable(0.0, 0));
  actorContact(lockable(0.0, 5));
  EXPECT_EQ(Game.lockCount, 0);
  for (int32_t reaction : {0, 2, 3, 4, 5, 6, 0x81}) {
    int32_t slot = lockable(0.0);
    ActorTable[slot].flags = 0x10001 | (reaction << 8);
    actorContact(slot);
    EXPECT_EQ(Game.lockCount, 0) << reaction;
  }
  int32_t noShape = lockable(0.0);
  ActorTable[noShape].flags = 0x10100;
  actorContact(noShape);
  EXPECT_EQ(Game.lockCount, 0);

  Game.lockCount = 3;
  int32_t last = lockable(0.0);
  actorContact(last);
  EXPECT_EQ(Game.lockCount, 4);
  EXPECT_EQ(Game.lockList[3], last);
  int32_t over = lockable(0.0);
  actorContact(over);
  EXPECT_EQ(Game.lockCount, 4);
  EXPECT_EQ(ActorTable[over].lockTimer, -1);
  EXPECT_EQ(effectCount(LockOnSound), 1);
}

TEST_F(LockOn, AFreshActorCanBeLockedOnItsFirstWalkAndStaysLockedForItsTimer) {
  int32_t first = lockable(0.0, 0);
  int32_t second = lockable(50.0, 0);
  actorWalk(1);
  EXPECT_EQ(Game.lockCount, 2);
  EXPECT_EQ(Game.lockList[0], first);
  EXPECT_EQ(Game.lockList[1], second);
  Game.lockCount = 0;
  for (int32_t clock = 2; clock <= 121; ++clock) actorWalk(clock);
  EXPECT_EQ(Game.lockCount, 0);
  EXPECT_EQ(ActorTable[first].lockTimer, 0);
  actorWalk(122);
  EXPECT_EQ(Game.lockCount, 2);
}
}  // namespace
