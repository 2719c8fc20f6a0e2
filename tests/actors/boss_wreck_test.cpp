#include <gtest/gtest.h>

#include "tests/actors/enemy_fixture.h"

namespace {
using BossWreck = EnemyTest;

TEST_F(BossWreck, AFallenBossScoresSilentlyAndLeavesAWreckOfItsPictureAndSize) {
  Game.level = 2;
  struct Case {
    int32_t type, start, points;
  };
  for (Case c : {Case{24, 257, 20000}, Case{30, 5, 40000}}) {
    resetActors();
    Game.score = 0;
    forgetSoundsAsked();
    int32_t b = place(c.type, 70, c.start, {100, 200, 3000});
    ActorTable[b].hp = 0;
    for (double& d : ActorTable[b].size) d = 333.0;
    walk();
    const double fellAt = ActorTable[b].pos[2];
    SCOPED_TRACE(c.type);
    EXPECT_EQ(ActorTable[b].type, 0);
    EXPECT_EQ(Game.score, c.points * 2);
    EXPECT_TRUE(soundsAsked().empty());
    ASSERT_EQ(countType(46), 1);
    const Actor& w = ActorTable[b + 1];
    EXPECT_EQ(w.sprite, 70);
    EXPECT_EQ(w.pos[2], fellAt);
    EXPECT_EQ(w.size[0], 333.0);
    EXPECT_EQ(w.size[2], 333.0);
  }
}

TEST_F(BossWreck, ABossFallingInAFullTableLeavesNoWreckAndTouchesNoOtherSlot) {
  for (int32_t i = 0; i < ActorCount; ++i) place(44, 0, 0, {0, 0, 3000});
  ActorTable[10].type = 30;
  ActorTable[10].hp = 0;
  actorWalk(1);
  EXPECT_EQ(countType(46), 0);
  EXPECT_EQ(countType(44), ActorCount - 1);
}

TEST_F(BossWreck, AtAge256ItFallsEndsTheStageAndFromStage3AFigureDriftsPast) {
  for (int32_t stage : {2, 3}) {
    resetActors();
    Game.stage = stage;
    int32_t w = place(46, 70, 256, {100, 200, 3000});
    walk();
    SCOPED_TRACE(stage);
    EXPECT_EQ(ActorTable[w].type, 0);
    ASSERT_EQ(countType(55), 1);
    ASSERT_EQ(countType(44), stage == 3 ? 1 : 0);
    if (stage == 3) {
      const Actor& figure = ActorTable[w + 2];
      EXPECT_EQ(figure.sprite, 78);
      EXPECT_EQ(figure.pos[0], 0.0);
      EXPECT_EQ(figure.pos[1], 352.0);
      EXPECT_EQ(figure.pos[2], 2000.0);
    }
  }
  walk(319);
  EXPECT_EQ(Game.stage, 3);
  walk();
  EXPECT_EQ(Game.stage, 4);
}
}  // namespace
