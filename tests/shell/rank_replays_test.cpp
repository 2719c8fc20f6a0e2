#include "shell/rank_replays.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/preferences.h"

namespace {
// The ranking itself tells where each entry went: every entry's text names its origin
// ("e3": entry 3 at the start, "g1": the second ranked game), and the plan's sources must
// name the same after the same insertions.
class RankReplayMoves : public ::testing::Test {
 protected:
  std::vector<uint8_t> saved_;
  void SetUp() override {
    saved_ = Preferences.data;
    fill();
  }
  void TearDown() override { Preferences.data = saved_; }
  static void fill() {
    Preferences.data.assign(PreferencesSize, 0);
    for (int32_t k = 0; k < RankReplayEntries; ++k) {
      setRankScore(k, k < RankedEntries ? 1000 - 100 * k : 50);
      std::strcpy(rankText(k), ("e" + std::to_string(k)).c_str());
    }
  }

  // A game of this score ranked at the end of the frame that the mark's frame count names.
  int32_t rankGame(RankReplayPlan& plan, int32_t score, int32_t game, bool cutShort = false) {
    int32_t p = insertScore(score);
    std::strcpy(rankText(p), ("g" + std::to_string(game)).c_str());
    ReplayMark m;
    m.frames = 1000 + game;
    m.score = score;
    m.cutShort = cutShort;
    plan.ranked(p, m);
    return p;
  }

  static std::string origin(const RankReplaySource& s) {
    switch (s.kind) {
      case RankReplaySource::OldFile: return "e" + std::to_string(s.oldEntry);
      case RankReplaySource::Mark: return "g" + std::to_string(s.mark.frames - 1000);
      case RankReplaySource::None: return "none";
    }
    return "?";
  }

  static void expectInStep(const RankReplayPlan& plan) {
    for (int32_t k = 0; k < RankReplayEntries; ++k) {
      char text[RankTextSize + 1];
      copyRankText(k, text);
      EXPECT_EQ(origin(plan.source(k)), text) << "entry " << k;
      EXPECT_EQ(plan.changed(k), text != "e" + std::to_string(k)) << "entry " << k;
    }
  }
};

TEST_F(RankReplayMoves, EachPlaceOfEntryMovesTheReplaysAsTheRankingMovesItsEntries) {
  // p = 0, 3, 7 and 8 each alone.
  for (int32_t score : {2000, 750, 301, 10}) {
    fill();
    RankReplayPlan plan;
    expectInStep(plan);
    rankGame(plan, score, 0);
    expectInStep(plan);
  }
}

TEST_F(RankReplayMoves, SeveralGamesOfASessionCompose) {
  RankReplayPlan plan;
  EXPECT_EQ(rankGame(plan, 650, 0), 4);
  EXPECT_EQ(rankGame(plan, 2000, 1), 0);
  EXPECT_EQ(rankGame(plan, 20, 2), 8);
  EXPECT_EQ(rankGame(plan, 650, 3), 5);  // above the equal score of game 0, now entry 5
  EXPECT_EQ(rankGame(plan, 30, 4), 8);   // replaces game 2's
  expectInStep(plan);
  // Enough better games push every old entry and game 0 off the end.
  for (int32_t g = 5; g < 14; ++g) rankGame(plan, 5000 + g, g);
  expectInStep(plan);
  EXPECT_EQ(origin(plan.source(8)), "g4");
}

TEST_F(RankReplayMoves, AGameRankedAfterTheRecordingWasCutShortHasNoReplayButStillMovesTheRest) {
  RankReplayPlan plan;
  rankGame(plan, 650, 0);
  int32_t p = insertScore(2000);
  ReplayMark cut;
  cut.cutShort = true;
  plan.ranked(p, cut);
  EXPECT_EQ(plan.source(0).kind, RankReplaySource::None);
  EXPECT_TRUE(plan.changed(0));
  EXPECT_EQ(origin(plan.source(5)), "g0");
  EXPECT_EQ(origin(plan.source(1)), "e0");
}
}  // namespace
