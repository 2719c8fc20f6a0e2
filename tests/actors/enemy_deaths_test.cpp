#include <gtest/gtest.h>

#include <vector>

#include "game/effects.h"
#include "shell/audio.h"
#include "tests/actors/enemy_fixture.h"

namespace {

constexpr int32_t Sprite = 40;

struct DeathCase {
  int32_t type;
  int32_t points;
  int32_t sound;
  int32_t effect;  // the last effect left behind
  int32_t effectSlot;
};

// clang-format off
const DeathCase Deaths[] = {
  // type points sound effect                  slot
  {6,    1000,  3,    EffectType::GroundBurst, 60},
  {8,    1000,  3,    EffectType::GroundBurst, 60},
  {7,    5000,  5,    EffectType::GroundBurst, 64},
  {9,    5000,  5,    EffectType::GroundBurst, 64},
  {21,   5000,  5,    EffectType::GroundBurst, 64},
  {28,   5000,  5,    EffectType::GroundBurst, 64},
  {14,   0,     27,   EffectType::Debris,      Sprite + 1},
  {15,   1000,  7,    EffectType::Debris,      Sprite},
  {16,   1000,  7,    EffectType::Debris,      Sprite},
  {17,   1000,  7,    EffectType::Debris,      Sprite},
  {19,   1000,  7,    EffectType::Debris,      Sprite},
  {26,   1000,  7,    EffectType::Debris,      Sprite},
  {18,   3000,  7,    EffectType::Debris,      Sprite},
  {25,   3000,  7,    EffectType::Debris,      Sprite},
  {31,   3000,  7,    EffectType::Debris,      Sprite},
  {32,   3000,  7,    EffectType::Debris,      Sprite},
  {20,   2000,  7,    EffectType::Bomb,        Sprite},
  {22,   5000,  7,    EffectType::Bomb,        Sprite},
  {27,   5000,  7,    EffectType::Bomb,        Sprite},
  {34,   3000,  29,   EffectType::Fragment,    71},
  {35,   3000,  29,   EffectType::Fragment,    71},
  {10,   1000,  3,    EffectType::GroundBurst, 68},
  {33,   1000,  3,    EffectType::GroundBurst, 68},
  {44,   1000,  3,    EffectType::GroundBurst, 68},
  {47,   1000,  3,    EffectType::GroundBurst, 68},
};
// clang-format on
}  // namespace

// Actors placed at age 5, where no behaviour fires, warns, smokes or turns into another type.
class EnemyDeathRows : public EnemyTest {
 protected:
  int32_t dying(int32_t type, Vec3 vel = {}) {
    const Vec3 at = {0, 0, 3000};
    int32_t slot = place(type, Sprite, 5, at, vel, at);
    ActorTable[slot].hp = 0;
    return slot;
  }
};

TEST_F(EnemyDeathRows, EachRowScoresItsPointsTimesTheLevelWithItsSoundAndRemains) {
  for (int32_t level : {1, 3}) {
    for (const DeathCase& c : Deaths) {
      resetActors();
      resetEffects();
      Game.score = 0;
      Game.level = level;
      forgetSoundsAsked();
      int32_t slot = dying(c.type);
      std::vector<DrawItem> draws = walk();
      SCOPED_TRACE(testing::Message() << "type " << c.type << " level " << level);
      EXPECT_EQ(ActorTable[slot].type, 0);
      EXPECT_EQ(draws.size(), 1u);  // its last picture
      EXPECT_EQ(Game.score, c.points * level);
      EXPECT_EQ(soundsAsked(), std::vector<int32_t>{c.sound});
      const Effect& e = EffectTable[(EffectCursor + EffectTableSize - 1) % EffectTableSize];
      EXPECT_EQ(e.type, c.effect);
      EXPECT_EQ(e.textureSlot, c.effectSlot);
      EXPECT_EQ(e.pos[2], ActorTable[slot].pos[2]);
      EXPECT_EQ(e.size[0], ActorTable[slot].size[0]);
    }
  }
}

TEST_F(EnemyDeathRows, TorpedoesFlingAShardBackTheWayTheyCameAndGunshipsBurstFirst) {
  dying(34, {8, 2, -20});
  walk();
  const Effect& shard = EffectTable[0];
  EXPECT_EQ(shard.type, EffectType::Fragment);
  EXPECT_DOUBLE_EQ(shard.vel[0], -6.0);
  EXPECT_DOUBLE_EQ(shard.vel[1], -6.0);
  EXPECT_DOUBLE_EQ(shard.vel[2], 60.0);

  dying(35, {8, 2, -20});
  walk();
  EXPECT_EQ(EffectTable[1].type, EffectType::GroundBurst);
  EXPECT_EQ(EffectTable[1].textureSlot, 68);
  EXPECT_EQ(EffectTable[2].type, EffectType::Fragment);
  EXPECT_DOUBLE_EQ(EffectTable[2].vel[2], 60.0);
}

TEST_F(EnemyDeathRows, TheCarriersDeathCutsChannel1WhenEveryChannelIsBusy) {
  for (int32_t i = 0; i < MixChannels; ++i) playEffect(1);
  clearAudioLog();
  dying(15);
  walk();
  ASSERT_EQ(TheAudioLog.count, 1);
  EXPECT_EQ(audioLogEntry(0).event, AudioEvent::EffectDropped);

  clearAudioLog();
  dying(14);
  walk();
  ASSERT_EQ(TheAudioLog.count, 3);  // dropped at first, then played in channel 1's place
  EXPECT_EQ(audioLogEntry(0).event, AudioEvent::EffectDropped);
  EXPECT_EQ(audioLogEntry(1).event, AudioEvent::ChannelCut);
  EXPECT_EQ(audioLogEntry(1).channel, 1);
  EXPECT_EQ(audioLogEntry(2).event, AudioEvent::EffectStarted);
  EXPECT_EQ(audioLogEntry(2).value, 27);
  EXPECT_EQ(audioLogEntry(2).channel, 1);
}
