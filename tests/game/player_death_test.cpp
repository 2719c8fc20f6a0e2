#include "game/game_state.h"
#include "tests/game/player_fixture.h"

using namespace PlayerState;

namespace {
// The steps taken in one state, and whether the clock stood through them.
struct StateRun {
  int32_t steps = 0;
  bool clockStood = true;
};
}  // namespace

class PlayerDeath : public PlayerTest {
 protected:
  // Steps with the keys held while the player is in state, at most limit times.
  StateRun stay(int32_t state, int32_t limit, std::initializer_list<int32_t> keys = {}) {
    StateRun r;
    while (ThePlayer.state == state && r.steps < limit) {
      int32_t before = clock;
      step(keys);
      ++r.steps;
      if (clock != before) r.clockStood = false;
    }
    return r;
  }
  void dieWith(int32_t lives, int32_t coins) {
    Game.lives = lives;
    CoinCount = coins;
    ThePlayer.event = PlayerEvent::HitHard;
    step();
    ASSERT_EQ(ThePlayer.state, Falling);
  }
};

TEST_F(PlayerDeath, WithoutLivesOrCoinsTheGameEndsAfterFallCrashAndFade) {
  dieWith(1, 0);
  StateRun fall = stay(Falling, 1000);
  EXPECT_EQ(fall.steps, 100);
  EXPECT_TRUE(fall.clockStood);
  EXPECT_EQ(ThePlayer.state, Crashed);
  EXPECT_EQ(Game.lives, 0);
  EXPECT_TRUE(sounds().empty());
  StateRun crash = stay(Crashed, 1000);
  EXPECT_EQ(crash.steps, 121);
  EXPECT_TRUE(crash.clockStood);
  EXPECT_EQ(ThePlayer.state, GameOver);
  EXPECT_EQ(sounds(), std::vector<int32_t>{20});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 400.0);
  int32_t stood = clock;
  for (int32_t c = 1; c <= 120; ++c) {
    EXPECT_EQ(step(), stood) << c;
    EXPECT_EQ(queuedSlot(), -1);
    if (c == 1) {
      EXPECT_DOUBLE_EQ(Game.fadeLevel, 0.01);
    }
    if (c == 99) {
      EXPECT_DOUBLE_EQ(Game.fadeLevel, 0.99);
    }
  }
  EXPECT_DOUBLE_EQ(Game.fadeLevel, 1.0);
  EXPECT_EQ(step(), -1);
}

TEST_F(PlayerDeath, AFallTiltsThenLiesCrashedOnTheGround) {
  place(Falling, 0, 40.0, 395.0, 300.0);
  step();  // counter 1: no drop yet and no tilt
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 395.0);
  EXPECT_EQ(queuedSlot(), 57);
  step();
  step();
  step();
  step();  // counter 5: one unit, to 396
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 396.0);
  EXPECT_DOUBLE_EQ(queued().angle, 2.0);
  EXPECT_DOUBLE_EQ(queued().z, 300.0);
  place(Falling, 29, 40.0, 397.0, 300.0);
  step();  // counter 30 drops 6, past the ground
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 403.0);
  EXPECT_EQ(queuedSlot(), 58);
  EXPECT_DOUBLE_EQ(queued().angle, 0.0);
  step();  // and stays there
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 403.0);
}

TEST_F(PlayerDeath, WithLivesLeftThePlayerBlinksBackWhereItFell) {
  dieWith(3, 0);
  ThePlayer.pos[0] = 77.0;
  stay(Falling, 1000);
  EXPECT_EQ(ThePlayer.state, Recovering);
  EXPECT_EQ(ThePlayer.counter, 0);
  EXPECT_EQ(Game.lives, 2);
  EXPECT_EQ(sounds(), std::vector<int32_t>{17});
  int32_t before = clock;
  step();
  EXPECT_EQ(clock, before + 1);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 77.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 400.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[2], 240.0);
}

TEST_F(PlayerDeath, ADeathLowersTheDifficultyOnlyBetweenStagePlusOneAndNine) {
  const struct {
    int32_t stage;
    double before, after;
  } cases[] = {{0, 0.7, 0.7}, {0, 1.0, 0.0}, {2, 2.9, 2.9},
               {2, 3.0, 2.0}, {2, 9.0, 8.0}, {2, 9.1, 9.1}};
  for (const auto& c : cases) {
    Game.stage = c.stage;
    Game.difficulty = c.before;
    place(Falling, 99, 0.0, 400.0);
    step();
    EXPECT_DOUBLE_EQ(Game.difficulty, c.after) << c.stage << " " << c.before;
  }
}

TEST_F(PlayerDeath, WithCoinsTheContinuePromptOpensLeftOfCentre) {
  dieWith(1, 2);
  stay(Falling, 1000);
  EXPECT_EQ(ThePlayer.state, ContinuePrompt);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], -1.0);
  EXPECT_EQ(Game.lives, 0);
  EXPECT_EQ(sounds(), std::vector<int32_t>{17});
  step({Key::Up});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 400.0);
  EXPECT_EQ(queuedSlot(), 59);
}

TEST_F(PlayerDeath, TheFirst60FramesOfThePromptIgnoreA) {
  CoinCount = 2;
  place(ContinuePrompt, 0, -1.0, 400.0);
  StateRun prompt = stay(ContinuePrompt, 60, {HoldA});
  EXPECT_EQ(prompt.steps, 60);
  EXPECT_TRUE(prompt.clockStood);
  EXPECT_EQ(ThePlayer.state, ContinuePrompt);
  EXPECT_EQ(CoinCount, 2);
  step({HoldA});  // the 61st frame
  EXPECT_EQ(ThePlayer.state, Recovering);
  EXPECT_EQ(ThePlayer.counter, 0);
  EXPECT_EQ(CoinCount, 1);
  EXPECT_EQ(Game.lives, 3);
  // The continue sound, then the shot: A is still held and the player is back in control.
  EXPECT_EQ(sounds(), (std::vector<int32_t>{19, 0}));
}

TEST_F(PlayerDeath, AOnTheRightHalfDeclinesAtOnce) {
  CoinCount = 2;
  place(ContinuePrompt, 0, -1.0, 400.0);
  step({Key::Right, HoldA});
  EXPECT_EQ(ThePlayer.state, GameOver);
  EXPECT_EQ(ThePlayer.counter, 0);
  EXPECT_EQ(CoinCount, 2);
  EXPECT_EQ(sounds(), std::vector<int32_t>{20});
}

TEST_F(PlayerDeath, AtTheExactCentreAChoosesNothing) {
  CoinCount = 2;
  place(ContinuePrompt, 100, 0.0, 400.0);
  step({HoldA});
  EXPECT_EQ(ThePlayer.state, ContinuePrompt);
  EXPECT_EQ(CoinCount, 2);
}

TEST_F(PlayerDeath, ThePromptMovesSidewaysOnlyWithinHalfTheWidth) {
  CoinCount = 1;
  place(ContinuePrompt, 0, -1.0, 400.0);
  stay(ContinuePrompt, 40, {Key::Left, Key::Up});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], -128.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 400.0);
  EXPECT_DOUBLE_EQ(queued().x, -128.0);
}

TEST_F(PlayerDeath, ThePromptDeclinesAfter1200FramesWithoutAChoice) {
  CoinCount = 1;
  place(ContinuePrompt, 0, -1.0, 400.0);
  StateRun prompt = stay(ContinuePrompt, 5000);
  EXPECT_EQ(prompt.steps, 1201);
  EXPECT_EQ(ThePlayer.state, GameOver);
  EXPECT_EQ(CoinCount, 1);
  EXPECT_EQ(sounds(), std::vector<int32_t>{20});
}

TEST_F(PlayerDeath, TheScoresLastDigitCountsContinuesUpToNine) {
  const struct {
    int32_t before, after;
  } cases[] = {{1230, 1231}, {1238, 1239}, {1239, 1239}, {INT32_MAX, INT32_MAX}};
  for (const auto& c : cases) {
    CoinCount = 5;
    Game.score = c.before;
    place(ContinuePrompt, 70, -50.0, 400.0);
    step({HoldA});
    ASSERT_EQ(ThePlayer.state, Recovering);
    EXPECT_EQ(Game.score, c.after) << c.before;
  }
}
