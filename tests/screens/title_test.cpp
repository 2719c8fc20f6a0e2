#include "screens/title.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

#include "game/game_state.h"
#include "shell/audio.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"
#include "tests/support/sounds_asked.h"

namespace {
// The attract cycle driven through the mode machine, frame by frame, with a scripted
// keyboard. Hardly any frame is drawn, however the clock runs: the cycle takes thousands
// of frames, and what it shows is tested apart.
class TitleCycle : public ::testing::Test {
 protected:
  ScriptedInput script;
  static void SetUpTestSuite() {
    openTestDisplay();
    openTestAudio();
  }
  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    setInputSource(&script);
    resetFrameLoopState();
    resetTitleScreen();
    FrameSkipSetting = 1000000;
    MusicSwitch = 1;
    Preferences.data.assign(PreferencesSize, 0);
    CoinCount = 1;
    forgetSoundsAsked();
  }
  void TearDown() override { setInputSource(nullptr); }
  // Holds START for the next frame only.
  void pressStart() {
    ScriptedFrame f;
    f.keys = {Key::Space};
    script.frames = {f};
    script.position = 0;
  }
  GameMode frame() {
    GameMode r = frameStep(0) & ModeNumberMask;
    script.nextFrame();
    return r;
  }
  // Runs frames while the phase stays; answers how many began in it.
  int32_t framesIn(int32_t phase) {
    EXPECT_EQ(TitleScreen.phase, phase);
    int32_t n = 0;
    while (TitleScreen.phase == phase && n < 5000) {
      EXPECT_EQ(frame(), Mode::Title);
      ++n;
    }
    return n;
  }
  void frames(int32_t n) {
    for (int32_t i = 0; i < n; ++i) frame();
  }
  static int32_t commandsLogged(int32_t code) {
    int32_t n = 0;
    for (int i = 0; i < TheAudioLog.count; ++i) {
      const AudioLogEntry& e = audioLogEntry(i);
      n += e.event == AudioEvent::Command && e.value == code;
    }
    return n;
  }
  static bool asked(int32_t effect) {
    for (int32_t e : soundsAsked()) {
      if (e == effect) return true;
    }
    return false;
  }
  // Enters the title and runs it up to the first frame of the demo.
  void startTheDemo() {
    frameStep(Mode::EnterTitle);
    TitleScreen.phase = 5;
    frame();
    ASSERT_EQ(TitleScreen.phase, 6);
  }
  // START after so many frames of the demo.
  void startFromTheDemoAfter(int32_t demoFrames) {
    startTheDemo();
    frames(demoFrames);
    pressStart();
    frame();
    ASSERT_EQ(TitleScreen.phase, 4);
  }
};
}  // namespace

TEST_F(TitleCycle, WithoutInputTitleDemoAndRankingFollowOnTheirExactFrames) {
  EXPECT_EQ(frameStep(Mode::EnterTitle) & ModeNumberMask, Mode::Title);
  EXPECT_EQ(TitleScreen.phase, 0);
  EXPECT_EQ(framesIn(0), 1);
  EXPECT_EQ(commandsLogged(MusicCommand::Stop), 1);
  EXPECT_EQ(framesIn(1), 240);
  forgetSoundsAsked();
  EXPECT_EQ(framesIn(2), 1);  // the logo sound, then the spin starts in the same frame
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{21});
  EXPECT_EQ(framesIn(3), 360);
  EXPECT_EQ(framesIn(4), 1000 - 361 + 1);
  EXPECT_EQ(framesIn(5), 1);
  EXPECT_EQ(Game.stage, 1);
  EXPECT_EQ(framesIn(6), 750);
  EXPECT_GT(Game.stageClock, 0);  // the demo really played
  EXPECT_EQ(framesIn(7), 1);
  EXPECT_EQ(framesIn(8), 60);
  EXPECT_EQ(TitleScreen.timer, 61);
  EXPECT_EQ(framesIn(9), 1000 - 61 + 1);
  EXPECT_EQ(framesIn(10), 1);
  EXPECT_EQ(TitleScreen.phase, 0);
  EXPECT_EQ(TitleScreen.timer, 1);
  EXPECT_EQ(CameraFocus.y, 240.0);
}

TEST_F(TitleCycle, AnEntryBelowOneOnlySetsThePhase) {
  TitleScreen.timer = 77;
  CameraFocus.y = 400.0;
  EXPECT_EQ(titleStep(-20), Mode::Title);
  EXPECT_EQ(TitleScreen.phase, 20);
  EXPECT_EQ(titleStep(0), Mode::Title);
  EXPECT_EQ(TitleScreen.phase, 0);
  EXPECT_EQ(TitleScreen.timer, 77);
  EXPECT_EQ(CameraFocus.y, 400.0);
  EXPECT_EQ(TheAudioLog.total, 0);
  titleStep(INT32_MIN);  // no phase of that number: the next step restarts the cycle
  titleStep(1);
  EXPECT_EQ(TitleScreen.phase, 0);
  EXPECT_EQ(TitleScreen.timer, 1);
}

TEST_F(TitleCycle, AnUnknownPhaseRestartsTheCycle) {
  TitleScreen = {15, 300, 1, 224, 229};
  EXPECT_EQ(titleStep(1), Mode::Title);
  EXPECT_EQ(TitleScreen.phase, 0);
  EXPECT_EQ(TitleScreen.timer, 1);
}

TEST_F(TitleCycle, SuccessiveDemosPlayStagesOneTwoThreeThenZero) {
  for (int32_t expected : {1, 2, 3, 0, 1}) {
    TitleScreen.phase = 5;
    titleStep(1);
    EXPECT_EQ(Game.stage, expected);
    EXPECT_EQ(TitleScreen.timer, 1);
  }
}

TEST_F(TitleCycle, StartDuringTheDemoStopsTheMusicAndShowsTheTitleThenASecondStartPlays) {
  startTheDemo();
  frames(100);
  int32_t timer = TitleScreen.timer;
  forgetSoundsAsked();
  ScriptedFrame start;
  start.keys = {Key::Space};
  script.frames.assign(4, start);
  script.position = 0;
  EXPECT_EQ(frameStep(0) & ModeNumberMask, Mode::Title);
  EXPECT_EQ(TitleScreen.phase, 4);
  EXPECT_EQ(commandsLogged(MusicCommand::Stop), 1);
  EXPECT_EQ(TitleScreen.timer, timer + 2);  // the demo's own count and the step's: not reset
  EXPECT_EQ(script.spins, 4);               // held until START was let go
  script.frames.clear();
  frames(10);
  EXPECT_EQ(TitleScreen.phase, 4);
  pressStart();
  EXPECT_EQ(frameStep(0) & ModeNumberMask, Mode::NewGame);
  EXPECT_EQ(commandsLogged(MusicCommand::Stop), 1);  // no second stop on the title itself
  script.frames.clear();
  EXPECT_EQ(frameStep(0) & ModeNumberMask, Mode::Play);
  EXPECT_EQ(Game.stage, 0);
}

TEST_F(TitleCycle, StartEarlyInTheDemoLeavesTheTitleWhenItsTimerReachesAThousand) {
  startFromTheDemoAfter(200);
  ASSERT_EQ(TitleScreen.timer, 403);
  EXPECT_EQ(framesIn(4), 1000 - 403 + 1);
  EXPECT_EQ(TitleScreen.phase, 5);
}

TEST_F(TitleCycle, StartLateInTheDemoLeavesTheTitleUpUntilStartIsPressed) {
  startFromTheDemoAfter(600);
  ASSERT_EQ(TitleScreen.timer, 1203);
  frames(3000);
  EXPECT_EQ(TitleScreen.phase, 4);
  pressStart();
  EXPECT_EQ(frame(), Mode::NewGame);
}

TEST_F(TitleCycle, StartOnTheTitlePictureJumpsToPressStartWithoutResettingTheTimer) {
  frameStep(Mode::EnterTitle);
  frames(50);
  pressStart();
  EXPECT_EQ(frame(), Mode::Title);
  EXPECT_EQ(TitleScreen.phase, 4);
  EXPECT_EQ(TitleScreen.timer, 51);
}

TEST_F(TitleCycle, AfterAGameWithEightCoinsAFreeCoinComesBeforeTheRanking) {
  CoinCount = 8;
  LoopState.modeFrameCounter = 500;  // as a game leaves it
  EXPECT_EQ(frameStep(Mode::ReturnToTitle), Mode::Title);
  EXPECT_EQ(framesIn(20), 1);
  frames(99);
  EXPECT_EQ(CoinCount, 8);
  EXPECT_FALSE(asked(14));
  frame();  // timer 100
  EXPECT_EQ(CoinCount, 9);
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{14});
  EXPECT_EQ(framesIn(21), 80);
  EXPECT_EQ(CoinCount, 9);
  EXPECT_EQ(framesIn(7), 1);
  EXPECT_EQ(TitleScreen.phase, 8);
}

TEST_F(TitleCycle, AfterAGameWithNineCoinsTheRankingFollowsAtOnce) {
  CoinCount = 9;
  LoopState.modeFrameCounter = 500;
  frameStep(Mode::ReturnToTitle);
  EXPECT_EQ(framesIn(20), 1);
  EXPECT_EQ(framesIn(7), 1);
  EXPECT_EQ(TitleScreen.phase, 8);
  EXPECT_EQ(CoinCount, 9);
  EXPECT_FALSE(asked(14));
}

TEST_F(TitleCycle, SevenCyclesInEightShowTheMainPictureAndTheOtherHasItsOwnLogoAndSound) {
  bool seenMain = false, seenOther = false;
  for (unsigned seed = 1; seed < 200 && !(seenMain && seenOther); ++seed) {
    std::srand(seed);
    bool main = ((std::rand() - 16383) & 7) != 0;
    std::srand(seed);
    TitleScreen.phase = 10;
    titleStep(1);
    EXPECT_EQ(TitleScreen.phase, 0);
    EXPECT_EQ(TitleScreen.pictureSlot, main ? 224 : 226);
    EXPECT_EQ(TitleScreen.logoSlot, main ? 229 : 227);
    forgetSoundsAsked();
    TitleScreen.phase = 2;
    titleStep(1);
    EXPECT_EQ(soundsAsked(), std::vector<int32_t>{main ? 21 : 30});
    (main ? seenMain : seenOther) = true;
  }
  EXPECT_TRUE(seenMain);
  EXPECT_TRUE(seenOther);
}
