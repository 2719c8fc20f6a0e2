#include <gtest/gtest.h>

#include "game/game_state.h"
#include "shell/audio.h"
#include "shell/clock.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"

namespace {
uint32_t FakeMs = 0;
uint32_t fakeTicks() { return FakeMs; }
void fakeDelay(uint32_t ms) { FakeMs += ms; }

class ModeMachine : public ::testing::Test {
 protected:
  ScriptedInput script;
  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    setInputSource(&script);
    setClockSource({fakeTicks, fakeDelay});
    FakeMs = 1000;
    resetFrameLoopState();
    FrameSkipSetting = 2;
    MusicSwitch = 1;
    clearAudioLog();
  }
  void TearDown() override {
    setInputSource(nullptr);
    useSdlClock();
  }
  // Holds these keys for the next frame only.
  void press(std::initializer_list<int32_t> keys) {
    ScriptedFrame f;
    f.keys = keys;
    script.frames = {f};
    script.position = 0;
  }
  void releaseAll() { script.frames.clear(); }
  bool commandLogged(int32_t code) {
    for (int i = 0; i < TheAudioLog.count; ++i) {
      const AudioLogEntry& e = audioLogEntry(i);
      if (e.event == AudioEvent::Command && e.value == code) return true;
    }
    return false;
  }
};
}  // namespace

TEST_F(ModeMachine, EnteringTheTitleLeadsToTheTitleAndEscapeThereQuits) {
  EXPECT_EQ(frameStep(Mode::EnterTitle), Mode::Title);
  EXPECT_EQ(LoopState.modeFrameCounter, 1);
  EXPECT_EQ(frameStep(0), Mode::Title);
  EXPECT_EQ(LoopState.modeFrameCounter, 2);
  press({Key::Escape});
  EXPECT_EQ(frameStep(0), Mode::Quit);
}

TEST_F(ModeMachine, EscapeOnEnteringTheTitleQuits) {
  press({Key::Escape});
  EXPECT_EQ(frameStep(Mode::EnterTitle), Mode::Quit);
}

TEST_F(ModeMachine, ANewGameGoesToPlayAndEscapeInPlayReturnsToTheTitle) {
  Game.stage = 7;
  EXPECT_EQ(frameStep(Mode::NewGame), Mode::Play);
  EXPECT_EQ(Game.stage, 0);
  EXPECT_EQ(LoopState.modeFrameCounter, 0);
  EXPECT_EQ(frameStep(0), Mode::Play);
  EXPECT_EQ(LoopState.modeFrameCounter, 1);
  press({Key::Escape});
  EXPECT_EQ(frameStep(0), Mode::EnterTitle);
  releaseAll();
  EXPECT_EQ(frameStep(0), Mode::Title);
}

TEST_F(ModeMachine, EscapeIsNotTestedWhenANewGameStarts) {
  press({Key::Escape});
  EXPECT_EQ(frameStep(Mode::NewGame), Mode::Play);
}

TEST_F(ModeMachine, HoldingFourWhenTheGameStartsBeginsAtStageThree) {
  press({Key::Four});
  EXPECT_EQ(frameStep(Mode::NewGame), Mode::Play);
  EXPECT_EQ(Game.stage, 3);
}

TEST_F(ModeMachine, PauseWaitsForStartAndResumesTheMusicOnRelease) {
  EXPECT_EQ(frameStep(Mode::Pause), Mode::Pause);
  EXPECT_EQ(TheAudioLog.count, 0);
  ScriptedFrame start;
  start.keys = {Key::Space};
  script.frames.assign(5, start);
  script.position = 0;
  EXPECT_EQ(frameStep(0), Mode::Play);
  EXPECT_EQ(script.spins, 5);  // waited until START was let go
  EXPECT_TRUE(commandLogged(MusicCommand::Resume));
}

TEST_F(ModeMachine, EscapeInThePauseOverridesStart) {
  frameStep(Mode::Pause);
  // START and Escape go down together; START is let go first.
  ScriptedFrame both, escape;
  both.keys = {Key::Space, Key::Escape};
  escape.keys = {Key::Escape};
  script.frames = {both, escape};
  script.position = 0;
  EXPECT_EQ(frameStep(0), Mode::EnterTitle);
  EXPECT_TRUE(commandLogged(MusicCommand::Resume));
  press({Key::Escape});
  frameStep(Mode::Pause);
  EXPECT_EQ(LoopState.currentMode, Mode::EnterTitle);
}

TEST_F(ModeMachine, ThePauseRunsNoSceneStep) {
  int32_t frames = LoopState.frameCounter;
  frameStep(Mode::Pause);
  frameStep(0);
  EXPECT_EQ(LoopState.frameCounter, frames);
}

TEST_F(ModeMachine, AFinishedGameIsRecordedThenReturnsToTheTitle) {
  EXPECT_EQ(frameStep(Mode::RecordScore), Mode::ReturnToTitle);
  EXPECT_TRUE(commandLogged(MusicCommand::Pause));
  EXPECT_EQ(frameStep(0), Mode::Title);
  press({Key::Escape});
  EXPECT_EQ(frameStep(Mode::RecordScore), Mode::EnterTitle);
  press({Key::Escape});
  EXPECT_EQ(frameStep(Mode::ReturnToTitle), Mode::EnterTitle);
}

TEST_F(ModeMachine, ASkippedFrameIsMarkedAndTheMarkIsDroppedOnTheNextStep) {
  FrameSkipSetting = 3;
  LoopState.frameCounter = 1;
  GameMode r = frameStep(Mode::EnterTitle);
  EXPECT_EQ(r, Mode::Title | SkippedFrameBit);
  EXPECT_EQ(LoopState.currentMode, Mode::Title | SkippedFrameBit);
  r = frameStep(0);
  EXPECT_EQ(r, Mode::Title);
  EXPECT_EQ(LoopState.frameCounter, 3);
  EXPECT_EQ(LoopState.modeFrameCounter, 2);
}

TEST_F(ModeMachine, EscapeDropsTheSkippedMark) {
  FrameSkipSetting = 3;
  LoopState.frameCounter = 1;
  press({Key::Escape});
  EXPECT_EQ(frameStep(Mode::Title), Mode::Quit);
}

TEST_F(ModeMachine, ALateFrameUnderAutomaticSkipIsNotDrawn) {
  FrameSkipSetting = 1;
  frameStep(Mode::EnterTitle);
  LoopState.frameCounter = 7;
  FakeMs += 17 * 3;
  EXPECT_EQ(frameStep(0), Mode::Title | SkippedFrameBit);
  EXPECT_EQ(frameStep(0), Mode::Title);  // back on time
}

TEST_F(ModeMachine, TheTitleStepGetsTheCounterFromBeforeTheIncrement) {
  frameStep(Mode::EnterTitle);
  CameraFocus.y = 400.0;
  frameStep(0);
  EXPECT_EQ(CameraFocus.y, 240.0);  // the title levels the camera on steps with e >= 1
  EXPECT_EQ(LoopState.modeFrameCounter, 2);
}
