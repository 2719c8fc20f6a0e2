#include "game/player.h"

#include <climits>

#include "game/effects.h"
#include "game/game_state.h"
#include "tests/game/player_fixture.h"

using namespace PlayerState;

namespace {
constexpr double SingleAxis = 5.65685424;
}

TEST_F(PlayerTest, OneDirectionMovesFartherThanEachAxisOfADiagonal) {
  step({Key::Left});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], -SingleAxis);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 300.0);
  step({Key::Down});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 300.0 + SingleAxis);
  place(Flying, 0, 0.0, 300.0);
  step({Key::Left, Key::Up});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], -4.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 296.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[2], 240.0);
}

TEST_F(PlayerTest, FlightStaysWithinItsBoxAtTheFlightDepth) {
  place(Flying, 0, 254.0, 66.0, 300.0);
  step({Key::Right, Key::Up});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 256.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 64.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[2], 240.0);
  place(Recovering, 0, -254.0, 398.0);
  step({Key::Left, Key::Down});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], -256.0);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 400.0);
}

TEST_F(PlayerTest, ArrivingHoldsStillWhileRecoveringMoves) {
  place(Arriving, 0, 10.0, 300.0);
  step({Key::Right});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 10.0);
  place(Recovering, 0, 10.0, 300.0);
  step({Key::Right});
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 10.0 + SingleAxis);
}

TEST_F(PlayerTest, TheDemoSteersByTheClockWhateverIsHeld) {
  clock = 41;
  step({Key::Left}, 1);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 5.0 * cos256(20));
  EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 300.0 + 5.0 * sin256(41));
  // Toward zero: clock -3 halves to -1, not -2.
  place(Flying, 0, 0.0, 300.0);
  clock = -3;
  step({}, 1);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 5.0 * cos256(-1));
}

TEST_F(PlayerTest, OnTheGroundTheGroundSpritesAreUsed) {
  place(Flying, 0, -250.0, 400.0);
  step();
  EXPECT_EQ(queuedSlot(), 48);
  place(Flying, 7, 250.0, 400.0);
  step();  // counter 8: the second frame
  EXPECT_EQ(queuedSlot(), 49);
  EXPECT_DOUBLE_EQ(queued().z, 240.0);
  EXPECT_DOUBLE_EQ(queued().sx, 64.0);
}

TEST_F(PlayerTest, AboveTheGroundTheSpriteLeansByItsSideOfTheScreen) {
  const struct {
    double x;
    int32_t slot;
  } cases[] = {{-256.0, 50}, {-200.1, 50}, {-200.0, 52}, {199.9, 52}, {200.0, 54}, {256.0, 54}};
  for (const auto& c : cases) {
    place(Flying, 0, c.x, 399.9);
    step();
    EXPECT_EQ(queuedSlot(), c.slot) << c.x;
  }
  place(Flying, 15, 0.0, 399.9);
  step();  // counter 16: back to the first frame
  EXPECT_EQ(queuedSlot(), 52);
}

TEST_F(PlayerTest, BlinkingShowsTheSpriteOnlyWhenCounterBit1IsClear) {
  for (int32_t state : {Recovering, Arriving}) {
    place(state, 0, 0.0, 300.0);
    std::vector<int32_t> shown;
    for (int32_t c = 1; c <= 8; ++c) {
      step();
      if (queuedSlot() >= 0) shown.push_back(c);
    }
    EXPECT_EQ(shown, (std::vector<int32_t>{1, 4, 5, 8})) << state;
  }
  place(Flying, 1, 0.0, 300.0);
  step();  // counter 2, not blinking
  EXPECT_EQ(queuedSlot(), 52);
}

TEST_F(PlayerTest, ArrivingEndsAtCounter128EvenWhenItHadKeptCounting) {
  place(Arriving, 126, 0.0, 400.0);
  step();
  EXPECT_EQ(ThePlayer.state, Arriving);
  step();
  EXPECT_EQ(ThePlayer.state, Flying);
  EXPECT_EQ(ThePlayer.counter, 128);
  // After a stage clear the counter is not reset: the next step ends the blinking.
  place(Arriving, 900, 0.0, 400.0);
  step();
  EXPECT_EQ(ThePlayer.state, Flying);
  EXPECT_EQ(Game.playerStateCopy, Flying);
}

TEST_F(PlayerTest, PickUpsGiveALifeOrACoinAndABlink) {
  Game.lives = 2;
  CoinCount = 4;
  ThePlayer.event = PlayerEvent::Coin;
  step();
  EXPECT_EQ(CoinCount, 5);
  EXPECT_EQ(Game.lives, 2);
  EXPECT_EQ(ThePlayer.state, Recovering);
  EXPECT_EQ(ThePlayer.counter, 0);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::None);
  EXPECT_EQ(sounds(), std::vector<int32_t>{11});
  place(Flying, 0, 0.0, 300.0);
  ThePlayer.event = PlayerEvent::ExtraLife;
  step();
  EXPECT_EQ(Game.lives, 3);
  EXPECT_EQ(CoinCount, 5);
}

TEST_F(PlayerTest, WhileBlinkingOrLeavingTheStageContactChangesNothing) {
  for (int32_t state : {Recovering, Arriving, StageClear, AllStagesClear}) {
    for (int32_t event : {PlayerEvent::Coin, PlayerEvent::ExtraLife, PlayerEvent::HitHard,
                          PlayerEvent::HitSoft, PlayerEvent::StageCleared}) {
      place(state, 10, 0.0, 300.0);
      ThePlayer.event = event;
      step();
      EXPECT_EQ(ThePlayer.state, state) << state << " " << event;
      EXPECT_EQ(ThePlayer.counter, 11);
      EXPECT_EQ(ThePlayer.event, PlayerEvent::None);
    }
  }
  EXPECT_EQ(Game.lives, 3);
  EXPECT_EQ(CoinCount, 0);
}

TEST_F(PlayerTest, AHitWhileFlyingStartsAFallWithAForcedSound) {
  for (int32_t event : {PlayerEvent::HitHard, PlayerEvent::HitSoft}) {
    place(Flying, 50, 0.0, 300.0);
    ThePlayer.event = event;
    fillChannels();
    step({}, 0, true);
    EXPECT_EQ(ThePlayer.state, Falling);
    EXPECT_EQ(ThePlayer.counter, 0);
    EXPECT_EQ(sounds(), std::vector<int32_t>{16});
    EXPECT_EQ(cuts(), 1);  // with every channel busy, channel 0 gives way
  }
}

TEST_F(PlayerTest, LaterChecksOfFlyingOverrideADashStartedTheSameFrame) {
  place(Flying, 50, 0.0, 395.0);
  ThePlayer.event = PlayerEvent::HitSoft;
  step({HoldB});
  EXPECT_EQ(ThePlayer.state, Falling);
  EXPECT_EQ(sounds(), (std::vector<int32_t>{1, 16}));
  place(Flying, 50, 0.0, 395.0);
  ThePlayer.event = PlayerEvent::StageCleared;
  step({HoldB});
  EXPECT_EQ(ThePlayer.state, StageClear);
}

TEST_F(PlayerTest, ADashStartsOnlyBelowHeight390) {
  place(Flying, 0, 0.0, 390.0);
  step({HoldB});
  EXPECT_EQ(ThePlayer.state, Flying);
  EXPECT_TRUE(sounds().empty());
  place(Flying, 0, 0.0, 390.5);
  step({HoldB});
  EXPECT_EQ(ThePlayer.state, Dash);
  EXPECT_EQ(Game.playerStateCopy, Dash);
  EXPECT_EQ(sounds(), std::vector<int32_t>{1});
  // A stage object may force it, B or not.
  place(Flying, 0, 0.0, 390.0);
  ThePlayer.event = PlayerEvent::ForceDash;
  step();
  EXPECT_EQ(ThePlayer.state, Flying);
  place(Flying, 0, 0.0, 390.5);
  ThePlayer.event = PlayerEvent::ForceDash;
  step();
  EXPECT_EQ(ThePlayer.state, Dash);
}

TEST_F(PlayerTest, ADashRunsIntoTheDepthOnTheGroundAndComesBack) {
  place(Flying, 0, 30.0, 395.0);
  step({HoldB});
  ASSERT_EQ(ThePlayer.state, Dash);
  double deepest = 0.0;
  int32_t frames = 0;
  while (ThePlayer.state == Dash && frames < 100) {
    step({Key::Up, Key::Left});
    ++frames;
    EXPECT_DOUBLE_EQ(ThePlayer.pos[1], 400.0);
    EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 30.0);
    EXPECT_EQ(queuedSlot(), 56);
    EXPECT_DOUBLE_EQ(queued().z, ThePlayer.pos[2]);
    deepest = std::max(deepest, ThePlayer.pos[2]);
  }
  EXPECT_EQ(frames, 60);
  EXPECT_DOUBLE_EQ(deepest, 240.0 + 39 * 5.0);
  step();
  EXPECT_EQ(ThePlayer.state, Flying);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[2], 240.0);
}

TEST_F(PlayerTest, ADashShrugsOffSoftHitsButNotHardOnes) {
  place(Dash, 10, 0.0, 400.0, 290.0);
  ThePlayer.event = PlayerEvent::HitSoft;
  step();
  EXPECT_EQ(ThePlayer.state, Dash);
  EXPECT_TRUE(sounds().empty());
  ThePlayer.event = PlayerEvent::HitHard;
  step();
  EXPECT_EQ(ThePlayer.state, Falling);
  EXPECT_EQ(ThePlayer.counter, 0);
  EXPECT_EQ(sounds(), std::vector<int32_t>{16});
  place(Dash, 10, 0.0, 400.0, 290.0);
  ThePlayer.event = PlayerEvent::StageCleared;
  step();
  EXPECT_EQ(ThePlayer.state, StageClear);
}

TEST_F(PlayerTest, AStageClearFliesAwayFor60FramesAndKeepsTheClockRunning) {
  ThePlayer.event = PlayerEvent::StageCleared;
  step();
  EXPECT_EQ(ThePlayer.state, StageClear);
  EXPECT_EQ(clock, 501);
  place(StageClear, 0, 120.0, 300.0);
  step();  // counter 1
  ASSERT_EQ(queuedSlot(), 49);
  EXPECT_DOUBLE_EQ(queued().x, 59 * 120.0 * 0.016666666666666666);
  EXPECT_DOUBLE_EQ(queued().y, 180.0 + 300.0 - 450.0);  // 19 squared, halved
  EXPECT_DOUBLE_EQ(queued().z, 238.0);
  place(StageClear, 58, 120.0, 300.0);
  step({Key::Right});
  EXPECT_EQ(queuedSlot(), 49);
  EXPECT_DOUBLE_EQ(ThePlayer.pos[0], 120.0 + SingleAxis);
  step();
  EXPECT_EQ(queuedSlot(), -1);
  EXPECT_EQ(clock, 504);
}

TEST_F(PlayerTest, TheLastStageRaisesTheDifficultyToNineOnlyDuringAStageClear) {
  Game.difficulty = 5.0;
  ThePlayer.event = PlayerEvent::AllStagesCleared;
  step();
  EXPECT_EQ(ThePlayer.state, Flying);
  EXPECT_DOUBLE_EQ(Game.difficulty, 5.0);
  place(StageClear, 5, 0.0, 300.0);
  ThePlayer.event = PlayerEvent::AllStagesCleared;
  step();
  EXPECT_EQ(ThePlayer.state, AllStagesClear);
  EXPECT_DOUBLE_EQ(Game.difficulty, 9.0);
  step();
  EXPECT_EQ(queuedSlot(), -1);  // no fly-away picture in this state
  place(StageClear, 5, 0.0, 300.0);
  Game.difficulty = 9.5;
  ThePlayer.event = PlayerEvent::AllStagesCleared;
  step();
  EXPECT_DOUBLE_EQ(Game.difficulty, 9.5);
}

TEST_F(PlayerTest, WaitingTooLongForTheNextStageGivesALifeAndPlayGoesOn) {
  for (int32_t state : {StageClear, AllStagesClear}) {
    Game.lives = 2;
    place(state, 2749, 0.0, 300.0);
    step();
    EXPECT_EQ(ThePlayer.state, state);
    step();
    EXPECT_EQ(ThePlayer.state, Recovering);
    EXPECT_EQ(ThePlayer.counter, 2751);
    EXPECT_EQ(Game.lives, 3);
    EXPECT_EQ(sounds(), std::vector<int32_t>{11});
    step();
    EXPECT_EQ(ThePlayer.state, Flying);
  }
}

TEST_F(PlayerTest, CountersThatRunForeverNeitherOverflowNorEndTheGame) {
  place(Flying, INT32_MAX, 0.0, 300.0);
  clock = INT32_MAX;
  step();
  EXPECT_EQ(ThePlayer.counter, INT32_MIN);
  EXPECT_EQ(clock, INT32_MAX);
  EXPECT_EQ(ThePlayer.state, Flying);
}

TEST_F(PlayerTest, AnUnknownStateOnlyCountsAndClearsTheEvent) {
  place(12, 3, 5.0, 300.0);
  ThePlayer.event = PlayerEvent::HitHard;
  EXPECT_EQ(step(), 500);
  EXPECT_EQ(ThePlayer.state, 12);
  EXPECT_EQ(ThePlayer.counter, 4);
  EXPECT_EQ(ThePlayer.event, PlayerEvent::None);
  EXPECT_EQ(queuedSlot(), -1);
}

TEST_F(PlayerTest, TheShadowIsDrawnWhereverThePlayerIsDrawnEvenBetweenBlinks) {
  place(Recovering, 1, -60.0, 200.0);
  clearView();
  step();  // counter 2: the sprite is hidden
  EXPECT_EQ(queuedSlot(), -1);
  EXPECT_FALSE(blank(pixelAt(-60.0, 472.0, 272.0)));
  EXPECT_TRUE(blank(pixelAt(60.0, 472.0, 272.0)));
  place(Dash, 10, 60.0, 400.0, 300.0);
  clearView();
  step();
  EXPECT_FALSE(blank(pixelAt(60.0, 472.0, 337.0)));
  place(StageClear, 10, -60.0, 200.0);
  clearView();
  step();
  EXPECT_TRUE(blank(pixelAt(-60.0, 472.0, 272.0)));
}

// The dash leaves a puff of dust every 4 frames of its 40 outward ones, where the player was
// when the step began, drifting up and back toward the camera.
// The step counts on from the stored counter, so a stored c - 1 is a step's c.
TEST_F(PlayerTest, ADashLeavesADustPuffEveryFourthFrameOnItsWayOut) {
  for (int32_t c = 1; c <= 61; ++c) {
    SCOPED_TRACE(c);
    resetEffects();
    int32_t cursor = EffectCursor;
    place(Dash, c - 1, 30.0, 395.0, 300.0);
    step();
    bool puff = c % 4 == 0 && c < 40;
    EXPECT_EQ(EffectCursor, puff ? (cursor + 1) % EffectTableSize : cursor);
    if (!puff) continue;
    const Effect& e = EffectTable[cursor];
    EXPECT_EQ(e.type, EffectType::Puff);
    EXPECT_EQ(e.textureSlot, 16);
    EXPECT_EQ(e.age, 0);
    EXPECT_DOUBLE_EQ(e.pos[0], 30.0);
    EXPECT_DOUBLE_EQ(e.pos[1], 395.0);  // not yet on the ground
    EXPECT_DOUBLE_EQ(e.pos[2], 300.0);  // nor moved on
    EXPECT_DOUBLE_EQ(e.vel[0], 0.0);
    EXPECT_DOUBLE_EQ(e.vel[1], 1.0);
    EXPECT_DOUBLE_EQ(e.vel[2], -10.0);
    EXPECT_DOUBLE_EQ(e.size[0], 32.0);
    EXPECT_DOUBLE_EQ(e.size[1], 32.0);
    EXPECT_DOUBLE_EQ(e.size[2], 1.0);
  }
}

// The puffs go into the effect ring one after another, wrapping past its end.
TEST_F(PlayerTest, TheDashPuffsFillTheEffectRingInTurn) {
  resetEffects();
  EffectCursor = EffectTableSize - 1;
  place(Flying, 0, 0.0, 395.0);
  step({HoldB});
  ASSERT_EQ(ThePlayer.state, Dash);
  for (int32_t i = 0; i < 8; ++i) step();
  EXPECT_EQ(EffectCursor, 1);  // the dash's frames 4 and 8
  EXPECT_EQ(EffectTable[EffectTableSize - 1].type, EffectType::Puff);
  EXPECT_DOUBLE_EQ(EffectTable[EffectTableSize - 1].pos[2], 240.0 + 3 * 5.0);
  EXPECT_EQ(EffectTable[0].type, EffectType::Puff);
  EXPECT_DOUBLE_EQ(EffectTable[0].pos[2], 240.0 + 7 * 5.0);
}

// A hard hit ends the dash with a fall whose counter starts at 0, and that step still
// leaves its puff.
TEST_F(PlayerTest, AHardHitInADashStillLeavesThePuffOfItsStep) {
  resetEffects();
  int32_t cursor = EffectCursor;
  place(Dash, 12, 0.0, 400.0, 300.0);  // the step's c is 13: no puff of its own
  ThePlayer.event = PlayerEvent::HitHard;
  step();
  EXPECT_EQ(ThePlayer.state, Falling);
  EXPECT_EQ(EffectCursor, cursor + 1);
  EXPECT_EQ(EffectTable[cursor].type, EffectType::Puff);
}
