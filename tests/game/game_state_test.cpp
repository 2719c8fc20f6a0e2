#include "game/game_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "actors/actor_table.h"
#include "game/actor_type.h"
#include "game/backdrop.h"
#include "game/effects.h"
#include "game/game_flow.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/audio.h"
#include "shell/input.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"

namespace {
class GameStateTest : public ::testing::Test {
 protected:
  ScriptedInput script;
  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    setInputSource(&script);
    clearAudioLog();
    startNewGame(0);
  }
  void TearDown() override { setInputSource(nullptr); }
  void holdStart(size_t frames) {
    ScriptedFrame f;
    f.keys = {Key::Space};
    script.frames.clear();
    script.position = 0;
    script.hold(frames, f);
  }
  int32_t musicPauses() {
    int32_t n = 0;
    for (int i = 0; i < TheAudioLog.count; ++i) {
      const AudioLogEntry& e = audioLogEntry(i);
      n += e.event == AudioEvent::Command && e.value == MusicCommand::Pause;
    }
    return n;
  }
};
}  // namespace

TEST_F(GameStateTest, ANewGameAtStageThreeStartsHarderAndTheFirstStepSetsLevelSeven) {
  ThePlayer.counter = 77;
  startNewGame(3);
  EXPECT_EQ(Game.stage, 3);
  EXPECT_EQ(Game.difficulty, 6.0);
  EXPECT_EQ(Game.score, 3);
  EXPECT_EQ(Game.level, 1);
  EXPECT_EQ(Game.lives, 3);
  EXPECT_EQ(Game.fadeLevel, 100.0);
  EXPECT_EQ(Game.depthScroll, 32.0);
  EXPECT_EQ(Game.backdropScroll, 0x40000000);
  EXPECT_EQ(ThePlayer.state, PlayerState::Arriving);
  EXPECT_EQ(ThePlayer.counter, 0);
  EXPECT_EQ(ThePlayer.pos[1], 400.0);
  EXPECT_EQ(CameraFocus.y, 400.0);
  playStep();
  EXPECT_EQ(Game.level, 7);
  EXPECT_DOUBLE_EQ(Game.difficulty, 6.0001);
}

TEST_F(GameStateTest, AStageStartEmptiesTheTablesButKeepsThePlayersCounter) {
  ThePlayer.counter = 200;
  ThePlayer.state = PlayerState::StageClear;
  ActorTable[5].type = 9;
  EffectTable[3].type = 1;
  Game.lockCount = 2;
  Game.lockNext = 1;
  Game.tunnelCeiling = 40.0;
  Game.positionHistory[17][1] = 5.0;
  Game.stageClock = 999;
  startStage(4);
  EXPECT_EQ(Game.stage, 4);
  EXPECT_EQ(Game.stageClock, 0);
  EXPECT_EQ(ThePlayer.state, PlayerState::Arriving);
  EXPECT_EQ(ThePlayer.counter, 200);
  EXPECT_EQ(ActorTable[5].type, 0);
  EXPECT_EQ(EffectTable[3].type, 0);
  EXPECT_EQ(Game.lockCount, 0);
  EXPECT_EQ(Game.lockNext, 0);
  EXPECT_EQ(Game.tunnelCeiling, 0.0);
  EXPECT_EQ(Game.positionHistory[17][1], 0.0);
}

TEST_F(GameStateTest, TheScoreRisesByTenOnlyOnFramesWhoseNewClockIsAMultipleOfFour) {
  for (int frame = 0; frame < 12; ++frame) {
    int32_t before = Game.score;
    playStep();
    int32_t expected = (Game.stageClock & 3) == 0 ? 10 : 0;
    EXPECT_EQ(Game.score - before, expected) << "clock " << Game.stageClock;
  }
  EXPECT_EQ(Game.stageClock, 12);
  EXPECT_EQ(Game.score, 30);
}

TEST_F(GameStateTest, TheFadeInRunsOverTheFirstHundredFramesAndStays) {
  playStep();
  EXPECT_DOUBLE_EQ(Game.fadeLevel, 0.99);
  Game.stageClock = 98;
  playStep();
  EXPECT_DOUBLE_EQ(Game.fadeLevel, 0.01);
  playStep();
  EXPECT_DOUBLE_EQ(Game.fadeLevel, 0.01);
  setFade(100);
  EXPECT_EQ(Game.fadeLevel, 1.0);
  setFade(50);
  EXPECT_EQ(Game.fadeLevel, 0.5);
}

TEST_F(GameStateTest, StartPausesOnlyAfterTheFirstSecondsAndBelowTheDash) {
  Game.stageClock = 119;  // the step makes it 120: still refused
  holdStart(1);
  EXPECT_EQ(playStep(), Mode::Play);
  EXPECT_EQ(musicPauses(), 0);

  ThePlayer.state = PlayerState::Flying;
  holdStart(3);
  EXPECT_EQ(playStep(), Mode::Pause);
  EXPECT_EQ(Game.stageClock, 121);
  // The step waited for START to be let go, pausing the music once a turn.
  EXPECT_EQ(script.position, 3u);
  EXPECT_EQ(musicPauses(), 3);
}

TEST_F(GameStateTest, StartDoesNotPauseADashButDoesPauseAStageClear) {
  Game.stageClock = 500;
  ThePlayer.state = PlayerState::Dash;
  ThePlayer.counter = 0;
  ThePlayer.pos[1] = 400.0;
  holdStart(1);
  EXPECT_EQ(playStep(), Mode::Play);
  ThePlayer.state = PlayerState::StageClear;
  ThePlayer.counter = 0;
  holdStart(1);
  EXPECT_EQ(playStep(), Mode::Pause);
}

TEST_F(GameStateTest, AClockOfMinusOneEndsTheGame) {
  Game.stageClock = -2;  // the player step moves it on to -1
  EXPECT_EQ(playStep(), Mode::RecordScore);
}

TEST_F(GameStateTest, TheAttractDemoLeavesLevelDifficultyScoreAndFadeAlone) {
  for (int i = 0; i < 50; ++i) EXPECT_EQ(demoStep(), Mode::Title);
  EXPECT_EQ(Game.level, 1);
  // No growth by the frame: only the demo's own shots, on counters 16, 32 and 48, add theirs.
  EXPECT_DOUBLE_EQ(Game.difficulty, 3 * 0.0005);
  EXPECT_EQ(Game.score, 0);
  EXPECT_EQ(Game.fadeLevel, 100.0);
  EXPECT_EQ(Game.stageClock, 50);
}

TEST_F(GameStateTest, TheCameraChasesThePlayerPastADeadZoneOfTenUnits) {
  ThePlayer.pos[0] = 10.0;
  ThePlayer.pos[1] = 400.0;
  followCamera(1);
  EXPECT_EQ(CameraFocus.x, 0.0);
  ThePlayer.pos[0] = -10.5;
  followCamera(2);
  EXPECT_DOUBLE_EQ(CameraFocus.x, -3.0);
  EXPECT_NEAR(CameraFocus.y, 400.0, 1e-9);
  EXPECT_DOUBLE_EQ(Game.sideScroll, -3.0 * 0.0625);
  EXPECT_EQ(Game.depthScroll, 32.0);
}

TEST_F(GameStateTest, AStandingClockStopsTheWorldAndTheGroundDrawsUnscrolled) {
  Game.tunnelCeiling = 20.0;
  ThePlayer.pos[0] = 100.0;
  followCamera(7);
  BackdropLayout moving;
  layOutBackdrop(7, moving);
  EXPECT_EQ(moving.ground[2], 236 - (32 * 7 & 127));
  EXPECT_EQ(moving.ceiling[2], 240 - (32 * 7 & 127));
  followCamera(7);
  EXPECT_EQ(Game.sideScroll, 0.0);
  EXPECT_EQ(Game.depthScroll, 0.0);
  BackdropLayout frozen;
  layOutBackdrop(7, frozen);
  EXPECT_EQ(frozen.ground[2], 236.0);
  EXPECT_EQ(frozen.ceiling[2], 240.0);
  int32_t scroll = Game.backdropScroll;
  drawBackdrop(7);
  EXPECT_EQ(Game.backdropScroll, scroll);
}

TEST_F(GameStateTest, BackdropLayersScrollWithTruncatingDivisionAndCycleTheirPictures) {
  Game.stage = 5;
  Game.backdropScroll = -40;  // -40 / 16 = -2 and -40 / 8 = -5, toward zero
  Game.tunnelCeiling = 20.0;
  BackdropLayout l;
  layOutBackdrop(0, l);
  EXPECT_EQ(l.sky.slot, 151);
  EXPECT_EQ(l.far[0].x, -254 * 24 - 126 * 24);
  EXPECT_EQ(l.far[5].x, (-254 + 640) * 24 - 126 * 24);
  EXPECT_EQ(l.near[0].x, -254 * 20 - 123 * 20);
  EXPECT_EQ(l.far[0].slot, 160);
  EXPECT_EQ(l.far[4].slot, 160);
  EXPECT_EQ(l.near[1].slot, 197);
  EXPECT_TRUE(l.hasCeiling);
  EXPECT_EQ(l.ceiling[0], (-40 & 127) - 2048);
  EXPECT_EQ(l.ceiling[1], -10200.0);
  EXPECT_EQ(l.ground[0], -2048 - (-40 & 127));
  // Two full layer pictures on: the far layer starts at its third tile.
  Game.stage = 0;
  Game.backdropScroll = 16 * 128 * 2 + 16 * 3;
  layOutBackdrop(0, l);
  EXPECT_EQ(l.far[0].slot, 162);
  EXPECT_EQ(l.far[2].slot, 160);
  EXPECT_EQ(l.far[0].x, -254 * 24 - 3 * 24);
}

TEST_F(GameStateTest, GrowingCountersWrapOrSaturateInsteadOfOverflowing) {
  constexpr int32_t Max = std::numeric_limits<int32_t>::max();
  Game.backdropScroll = Max - 1;
  Game.sideScroll = 5.7;
  drawBackdrop(0);
  EXPECT_EQ(Game.backdropScroll, std::numeric_limits<int32_t>::min() + 3);
  Game.sideScroll = std::nan("");
  drawBackdrop(0);
  EXPECT_EQ(Game.backdropScroll, std::numeric_limits<int32_t>::min() + 3);
  Game.score = Max - 5;
  addScore(10);
  EXPECT_EQ(Game.score, Max);
  // A clock far into a stage still places the ground inside its row.
  Game.depthScroll = 32.0;
  BackdropLayout l;
  layOutBackdrop(Max, l);
  EXPECT_EQ(l.ground[2], 236 - (int64_t(32) * Max & 127));
}

// The stage end asks for the next stage and the walk stops at it: the stage starts right
// after the walk, so no actor after the stage end acts on the stage that is over, and the
// effects of the same frame are already the new stage's (freed before their update).
TEST_F(GameStateTest, AStageEndStartsTheNextStageRightAfterTheWalkThatAskedForIt) {
  startNewGame(2);
  for (int32_t frame = 0; frame < 5; ++frame) playStep();
  const double at[3] = {0.0, 400.0, 5000.0};
  SpawnCursor = 0;
  // Its first update is at age 0, which is its lifetime: it clears the stage and asks.
  spawnActorExt(ActorType::StageEnd, 0, 0, 0, 0, 0, at, at, at);
  int32_t end = SpawnCursor - 1;
  // A controller ages by one in each update it gets; freeing the slot keeps the age.
  spawnActorExt(ActorType::SoundCue, 5, 0, 0, 0, 100, at, at, at);
  int32_t cue = SpawnCursor - 1;
  ASSERT_LT(end, cue);
  EffectTable[3] = Effect{};
  EffectTable[3].type = 1;
  EffectTable[3].age = 7;
  playStep();
  EXPECT_EQ(Game.stage, 3);
  EXPECT_EQ(Game.stageClock, 0);
  EXPECT_EQ(RequestedStage, NoStageRequested);
  EXPECT_EQ(ActorTable[end].age, 1);
  EXPECT_EQ(ActorTable[cue].type, 0);
  EXPECT_EQ(ActorTable[cue].age, 0) << "the controller after the stage end never ran";
  EXPECT_EQ(EffectTable[3].type, 0);
  EXPECT_EQ(EffectTable[3].age, 7) << "the effect was freed before the effects' update";
  EXPECT_FALSE(startRequestedStage());
}

// A stage start only frees the slots; a test's start leaves the tables as a fresh run has
// them, so that no test sees what one before it left (a stage request above all: it would
// stop every walk after it).
TEST_F(GameStateTest, AStageStartFreesTheSlotsAndATestStartZeroesTheRecordsAndTheCursors) {
  for (TableReset how : {TableReset::FreeSlots, TableReset::Zero}) {
    ActorTable[9] = Actor{};
    ActorTable[9].type = ActorType::Tower;
    ActorTable[9].age = 40;
    EffectTable[2].type = 1;
    EffectTable[2].age = 30;
    SpawnCursor = EffectCursor = 5;
    ShotTable[1].state = 1;
    RequestedStage = 4;
    resetPlayTables(how);
    bool zero = how == TableReset::Zero;
    EXPECT_EQ(ActorTable[9].type, 0);
    EXPECT_EQ(EffectTable[2].type, 0);
    EXPECT_EQ(RequestedStage, NoStageRequested);
    EXPECT_EQ(ActorTable[9].age, zero ? 0 : 40);
    EXPECT_EQ(EffectTable[2].age, zero ? 0 : 30);
    EXPECT_EQ(SpawnCursor, zero ? 0 : 5);
    EXPECT_EQ(EffectCursor, zero ? 0 : 5);
    EXPECT_EQ(ShotTable[1].state, zero ? 0 : 1) << "a stage start leaves the shots flying";
  }
}
