#include <gtest/gtest.h>

#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
class Serpent : public EnemyTest {
 protected:
  // A head and four segments laid out by the serpent's controller; answers their slots from
  // the head back.
  std::vector<int32_t> layOut() {
    int32_t c = place(40, 0, 0, {0, 200, 3000});
    ActorTable[c].link = -1;
    ActorTable[c].interval = 8;
    ActorTable[c].lifetime = 32;
    walk(33);
    std::vector<int32_t> chain;
    for (int32_t s = ActorTable[c].link; s >= 0; s = ActorTable[s].link) {
      chain.insert(chain.begin(), s);
    }
    return chain;
  }
};

TEST_F(Serpent, KilledByTheHeadTheChainFallsFromFrontToBackAndTheStageEnds320FramesLater) {
  std::vector<int32_t> chain = layOut();
  ASSERT_EQ(chain.size(), 5u);
  EXPECT_EQ(ActorTable[chain[0]].type, 42);
  Game.stage = 3;
  Game.level = 2;
  ActorTable[chain[0]].hp = 0;
  walk();
  EXPECT_EQ(Game.score, 21000 * 2);  // its own 20000, then an ordinary enemy's 1000
  std::vector<int32_t> fellAt(chain.size(), 0);
  for (int32_t frame = 1; frame < 320; ++frame) {
    int32_t before = Game.score;
    walk();
    for (size_t i = 1; i < chain.size(); ++i) {
      if (fellAt[i] != 0 || ActorTable[chain[i]].type != 0) continue;
      fellAt[i] = frame;
      EXPECT_EQ(Game.score - before, 1000 * 2) << i;
    }
  }
  for (size_t i = 1; i < chain.size(); ++i) EXPECT_GT(fellAt[i], fellAt[i - 1]) << i;
  EXPECT_EQ(Game.stage, 3);
  walk();
  EXPECT_EQ(Game.stage, 4);
}

TEST_F(Serpent, ASegmentWastesOnlyOnceTheOneInFrontIsGoneAndALinkOutsideTheTableCountsAsGone) {
  std::vector<int32_t> chain = layOut();
  const Actor& head = ActorTable[chain[0]];
  Actor& tail = ActorTable[chain[4]];
  int32_t full = tail.hp;
  std::vector<DrawItem> draws = walk();
  EXPECT_EQ(slotOf(drawOf(draws, head)), 85);  // pictures set outright, not added
  EXPECT_EQ(slotOf(drawOf(draws, tail)), 87);
  walk(50);
  EXPECT_EQ(tail.hp, full);
  for (int32_t link : {-1, 64, 1 << 30}) {
    tail.link = link;
    tail.hp = full;
    walk();
    EXPECT_EQ(tail.hp, full - 1000) << link;
  }
}
}  // namespace
