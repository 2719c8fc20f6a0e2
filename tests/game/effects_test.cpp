#include "game/effects.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/game_state.h"
#include "tests/support/play_fixture.h"

namespace {
struct Vec {
  double v[3];
};

class Effects : public PlayTablesTest {
 protected:
  // Spawns at the cursor; answers the record written.
  int32_t spawn(int32_t type, int32_t slot, Vec pos, Vec vel, Vec size) {
    int32_t record = EffectCursor;
    spawnEffect(type, slot, pos.v, vel.v, size.v);
    return record;
  }
  // Updates until the record is freed (at most 1000 times); answers what each update drew.
  std::vector<DrawItem> drawsUntilFree(int32_t record) {
    std::vector<DrawItem> draws;
    for (int i = 0; i < 1000 && EffectTable[record].type != 0; ++i) {
      updateEffects(i);
      for (const DrawItem& item : takeQueuedDraws()) draws.push_back(item);
    }
    return draws;
  }
  int32_t texture(int32_t slot) { return int32_t(FakeTextureBase) + slot; }
};

void expectAt(const double* p, double x, double y, double z) {
  EXPECT_DOUBLE_EQ(p[0], x);
  EXPECT_DOUBLE_EQ(p[1], y);
  EXPECT_DOUBLE_EQ(p[2], z);
}
}  // namespace

TEST_F(Effects, TheRingOverwritesTheOldestEffectOnThe33rdSpawn) {
  for (int32_t i = 0; i < 32; ++i) spawn(7, i, {{double(i), 0, 0}}, {}, {});
  EXPECT_EQ(EffectCursor, 0);
  EffectTable[0].age = 17;

  spawn(2, 32, {{1, 2, 3}}, {{4, 5, 6}}, {{7, 8, 9}});
  const Effect& e = EffectTable[0];
  EXPECT_EQ(e.type, 2);
  EXPECT_EQ(e.textureSlot, 32);
  EXPECT_EQ(e.age, 0);
  expectAt(e.pos, 1, 2, 3);
  expectAt(e.vel, 4, 5, 6);
  expectAt(e.size, 7, 8, 9);
  EXPECT_EQ(EffectTable[1].textureSlot, 1);
  EXPECT_EQ(EffectCursor, 1);

  // A cursor set outside the ring still writes inside it.
  EffectCursor = 37;
  spawn(2, 99, {}, {}, {});
  EXPECT_EQ(EffectTable[5].textureSlot, 99);
  EXPECT_EQ(EffectCursor, 6);
}

TEST_F(Effects, APuffDriftsAndIsDrawn21TimesTheLastFullyTransparent) {
  int32_t record = spawn(EffectType::Puff, 17, {{0, 100, 300}}, {{1, -2, 3}}, {{20, 10, 0}});
  std::vector<DrawItem> draws = drawsUntilFree(record);
  ASSERT_EQ(draws.size(), 21u);
  EXPECT_DOUBLE_EQ(draws[0].colour[3], 2.0);  // above 1 at first; GL clamps it
  EXPECT_DOUBLE_EQ(draws[10].colour[3], 1.0);
  EXPECT_DOUBLE_EQ(draws[20].colour[3], 0.0);
  for (const DrawItem& d : draws) {
    EXPECT_EQ(d.image, texture(17));
    EXPECT_DOUBLE_EQ(d.sx, 20.0);
    EXPECT_DOUBLE_EQ(d.sy, 10.0);
  }
  EXPECT_DOUBLE_EQ(draws[0].x, 1.0);
  EXPECT_DOUBLE_EQ(draws[20].y, 100.0 - 42.0);
  EXPECT_DOUBLE_EQ(draws[20].z, 300.0 + 63.0);
}

TEST_F(Effects, AGroundBurstIsDrawn32TimesThroughThreeFramesAndFadesFromAge24) {
  int32_t record = spawn(EffectType::GroundBurst, 60, {{0, 440, 500}}, {}, {{50, 30, 0}});
  std::vector<DrawItem> draws = drawsUntilFree(record);
  ASSERT_EQ(draws.size(), 32u);
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(draws[i].image, texture(i < 10 ? 60 : i < 20 ? 61 : 62)) << i;
    EXPECT_DOUBLE_EQ(draws[i].sx, 30.0);
    EXPECT_DOUBLE_EQ(draws[i].sy, 30.0);
  }
  EXPECT_DOUBLE_EQ(draws[23].colour[3], 1.0);
  EXPECT_NEAR(draws[25].colour[3], 0.9, 1e-12);
  EXPECT_NEAR(draws[31].colour[3], 0.3, 1e-12);

  record = spawn(EffectType::GroundBurstToo, 60, {}, {}, {});
  EXPECT_EQ(drawsUntilFree(record).size(), 32u);
}

TEST_F(Effects, AGroundBurstRidesWithTheGroundAndStandsWhileTheScrollIs0) {
  int32_t record = spawn(EffectType::GroundBurst, 60, {{10, 440, 500}}, {{5, 5, 5}}, {});
  for (int i = 0; i < 5; ++i) updateEffects(0);
  expectAt(EffectTable[record].pos, 10, 440, 500);

  Game.sideScroll = 3.0;
  Game.depthScroll = 32.0;
  updateEffects(1);
  expectAt(EffectTable[record].pos, 7, 440, 468);
}

TEST_F(Effects, DebrisLandsOnItsThirdUpdateAsABurstStandingOnTheGround) {
  Game.sideScroll = 2.0;
  Game.depthScroll = 32.0;
  EffectCursor = 5;
  spawn(EffectType::Debris, 70, {{10, 300, 500}}, {{7, 8, 9}}, {{30, 40, 5}});
  updateEffects(0);
  updateEffects(1);
  EXPECT_EQ(EffectTable[5].type, EffectType::Debris);
  EXPECT_DOUBLE_EQ(EffectTable[5].pos[1], 400.0);  // not yet past the ground level
  EXPECT_TRUE(soundsAsked().empty());
  takeQueuedDraws();

  EffectCursor = 0;  // the burst goes where the ring has already been updated
  updateEffects(2);
  EXPECT_EQ(EffectTable[5].type, 0);
  const Effect& burst = EffectTable[0];
  EXPECT_EQ(burst.type, EffectType::GroundBurst);
  EXPECT_EQ(burst.textureSlot, 68);
  EXPECT_EQ(burst.age, 0);
  expectAt(burst.pos, 10, 440, 500);
  expectAt(burst.vel, -2, 8, -64);
  expectAt(burst.size, 30, 40, 5);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{4});
  // The falling record is drawn one last time, upside down where the burst stands.
  std::vector<DrawItem> draws = takeQueuedDraws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].image, texture(70));
  EXPECT_DOUBLE_EQ(draws[0].y, 440.0);
  EXPECT_DOUBLE_EQ(draws[0].angle, 180.0);
}

TEST_F(Effects, ABombLandsAsA240SquareBurstWithSlot64) {
  EffectCursor = 9;
  spawn(EffectType::Bomb, 72, {{0, 380, 600}}, {}, {{30, 40, 0}});
  EffectCursor = 3;
  updateEffects(0);
  EXPECT_EQ(EffectTable[9].type, 0);
  const Effect& burst = EffectTable[3];
  EXPECT_EQ(burst.type, EffectType::GroundBurst);
  EXPECT_EQ(burst.textureSlot, 64);
  expectAt(burst.pos, 0, 240, 600);
  expectAt(burst.size, 240, 240, 0);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{5});
}

TEST_F(Effects, ALandingBurstWrittenOntoTheFallingRecordItselfLeavesNothing) {
  spawn(EffectType::Debris, 70, {{0, 390, 500}}, {}, {{30, 40, 0}});
  EffectCursor = 0;
  updateEffects(0);
  for (const Effect& e : EffectTable) EXPECT_EQ(e.type, 0);
  EXPECT_EQ(EffectCursor, 1);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{4});
}

TEST_F(Effects, AFragmentSpinsFor61UpdatesAndAnUnknownTypeNeverEnds) {
  int32_t record = spawn(EffectType::Fragment, 71, {}, {{1, 2, 3}}, {{10, 25, 0}});
  std::vector<DrawItem> draws = drawsUntilFree(record);
  ASSERT_EQ(draws.size(), 61u);
  EXPECT_DOUBLE_EQ(draws[60].angle, 600.0);
  EXPECT_DOUBLE_EQ(draws[60].sx, 25.0);
  EXPECT_DOUBLE_EQ(draws[60].sy, 25.0);
  EXPECT_DOUBLE_EQ(draws[60].z, 183.0);

  record = spawn(9, 40, {{1, 2, 3}}, {{1, 1, 1}}, {{10, 25, 0}});
  std::vector<DrawItem> last;
  for (int i = 0; i < 500; ++i) {
    updateEffects(i);
    last = takeQueuedDraws();
  }
  EXPECT_EQ(EffectTable[record].type, 9);
  EXPECT_EQ(EffectTable[record].age, 500);
  expectAt(EffectTable[record].pos, 1, 2, 3);
  ASSERT_FALSE(last.empty());
  EXPECT_EQ(last.back().image, texture(40));
  EXPECT_DOUBLE_EQ(last.back().sx, 10.0);
  EXPECT_DOUBLE_EQ(last.back().sy, 25.0);
  EXPECT_DOUBLE_EQ(last.back().angle, 0.0);
  EXPECT_DOUBLE_EQ(last.back().colour[3], 1.0);
}
