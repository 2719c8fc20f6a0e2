#include "tests/game/player_fixture.h"

using namespace PlayerState;

class PlayerFire : public PlayerTest {
 protected:
  // The frames, counted from 1, of n steps that fired a shot.
  std::vector<int32_t> firingFrames(int32_t n, std::initializer_list<int32_t> keys,
                                    int32_t demo = 0) {
    std::vector<int32_t> out;
    for (int32_t f = 1; f <= n; ++f) {
      if (fired(keys, demo)) out.push_back(f);
    }
    return out;
  }
};

TEST_F(PlayerFire, HoldingAFiresOnTheFirstFrameAndEvery15thAfter) {
  EXPECT_EQ(firingFrames(46, {HoldA}), (std::vector<int32_t>{1, 16, 31, 46}));
}

TEST_F(PlayerFire, EachShotAddsToTheDifficultyAndArmsTheTimerWhileAIsHeld) {
  step({HoldA});
  EXPECT_DOUBLE_EQ(Game.difficulty, 4.5005);
  EXPECT_EQ(FireTimer, 14);
  step({HoldA});
  EXPECT_EQ(FireTimer, 13);
  step();
  EXPECT_EQ(FireTimer, 0);
}

TEST_F(PlayerFire, ReleasingARearmsAtOnce) {
  std::vector<int32_t> out;
  for (int32_t f = 1; f <= 12; ++f) {
    if (fired(f % 2 ? std::initializer_list<int32_t>{HoldA} : std::initializer_list<int32_t>{}))
      out.push_back(f);
  }
  EXPECT_EQ(out, (std::vector<int32_t>{1, 3, 5, 7, 9, 11}));
}

TEST_F(PlayerFire, BlinkingPlayersFireToo) {
  for (int32_t state : {Recovering, Arriving}) {
    place(state, 0, 0.0, 300.0);
    FireTimer = 0;
    EXPECT_TRUE(fired({HoldA})) << state;
  }
}

TEST_F(PlayerFire, NoShotLeavesFromStateThreeUpwardButTheTimerRunsDown) {
  for (int32_t state :
       {StageClear, Dash, Falling, Crashed, ContinuePrompt, GameOver, AllStagesClear}) {
    place(state, 0, -1.0, 400.0);
    FireTimer = 0;
    EXPECT_EQ(steps(20, {HoldA}), 0) << state;
    EXPECT_EQ(FireTimer, -20) << state;
  }
  // Back in flight, the run-down timer lets the first press through.
  place(Flying, 0, 0.0, 300.0);
  EXPECT_TRUE(fired({HoldA}));
}

TEST_F(PlayerFire, TheDemoFiresEvery16thCounterInAnyState) {
  place(Crashed, 0, 0.0, 400.0);
  EXPECT_EQ(firingFrames(32, {}, 1), (std::vector<int32_t>{16, 32}));
  EXPECT_EQ(FireTimer, 0);  // without A a press on the next frame fires at once
  place(GameOver, 0, 0.0, 400.0);
  EXPECT_EQ(firingFrames(16, {}, 1), std::vector<int32_t>{16});
}

TEST_F(PlayerFire, InTheDemoAHeldFiresBesidesTheDemosOwnShots) {
  // The demo's shot on frame 16 arms the timer again; held A then fires 15 frames later.
  EXPECT_EQ(firingFrames(32, {HoldA}, 1), (std::vector<int32_t>{1, 16, 31, 32}));
}

TEST_F(PlayerFire, TheMuzzleFlashGlowsRedBelowThePlayerWhereItHasJustMoved) {
  place(Flying, 0, 100.0, 300.0);
  clearView();
  step({HoldA, Key::Left});
  double x = 100.0 - 5.65685424;
  Pixel flash = pixelAt(x, 320.0, 272.0);
  EXPECT_GT(flash.r, 150);
  EXPECT_LT(flash.g, 80);
  // 64 units to either side, no farther.
  EXPECT_FALSE(blank(pixelAt(x - 61.0, 320.0, 272.0)));
  EXPECT_TRUE(blank(pixelAt(x - 67.0, 320.0, 272.0)));
  EXPECT_FALSE(blank(pixelAt(x + 61.0, 320.0, 272.0)));
  EXPECT_TRUE(blank(pixelAt(x + 67.0, 320.0, 272.0)));
  clearView();
  step({HoldA, Key::Left});  // the timer holds the next shot back
  EXPECT_TRUE(blank(pixelAt(x - 5.65685424, 320.0, 272.0)));
}
