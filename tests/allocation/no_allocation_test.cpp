// No heap allocation during play: the game's state lives in fixed tables.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "shell/clock.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/replay_answers.h"
#include "shell/scripted_input.h"
#include "shell/session_replay.h"
#include "shell/startup.h"
#include "tests/allocation/allocation_counter.h"
#include "tests/support/gl_context.h"
#include "tests/support/temp_folder.h"

namespace {
uint32_t FakeMs = 0;
uint32_t fakeTicks() { return FakeMs; }
void fakeDelay(uint32_t ms) { FakeMs += ms; }

// 1000 frames: the arrival, then flying about with fire held, dashes along the ground and
// fire tapped. No START: a pause would stop the play step.
constexpr const char* PlayScript =
    "130 A\n"
    "40 UP A\n40 LEFT A\n40 UP RIGHT A\n60 RIGHT\n90 DOWN A\n"
    "3 B\n70 A\n40 LEFT\n3 B\n70\n"
    "30 UP LEFT A\n30 DOWN RIGHT\n10 A\n10\n10 A\n10\n"
    "40 UP\n40 DOWN LEFT A\n5 B A\n70 RIGHT A\n90 UP A\n69 DOWN\n";

class NoHeapAllocation : public ::testing::Test {
 protected:
  ScriptedInput script;
  void TearDown() override {
    setAnswerRecorder(nullptr);
    setInputSource(nullptr);
    useSdlClock();
  }
};
}  // namespace

TEST_F(NoHeapAllocation, TheCounterSeesAnAllocationMadeByTheGameLibrary) {
  startCountingAllocations();
  std::string error;
  script.parse("3 A B\n", error);  // fills a vector inside the library
  EXPECT_GT(stopCountingAllocations(), 0);
}

// Recorded as the game records a session: the recorder's buffer is taken before play, and
// its frames (with the digest stored after frame 599) take nothing more.
TEST_F(NoHeapAllocation, AThousandFramesOfPlayAllocateNothingWhileRecorded) {
  ASSERT_TRUE(openTestDisplay());
  TempFolder folder;  // start-up writes bravin.pref here
  const char* resources = std::getenv("BRAVIN_RESOURCES");
  ASSERT_NE(resources, nullptr);
  ASSERT_EQ(symlink(resources, "resources"), 0) << resources;
  std::string error;
  ASSERT_TRUE(script.parse(PlayScript, error)) << error;
  ASSERT_EQ(script.frames.size(), 1000u);
  setInputSource(&script);
  setClockSource({fakeTicks, fakeDelay});
  ReplayRecorder recorder = makeSessionRecorder();
  setAnswerRecorder(&recorder);
  {
    StdoutCapture quiet;
    startUp();
  }
  LoopState.currentMode = beginNewGame(0);
  recorder.endFrame();
  // A music load allocates inside the mixer library, which is not counted; the game's own
  // code around it must not.
  int64_t calls = 0;
  int firstFrame = -1;
  for (int frame = 0; frame < 1000; ++frame) {
    startCountingAllocations();
    GameMode r = frameStep(0);
    recorder.endFrame();
    int64_t now = stopCountingAllocations();
    if (now > 0 && firstFrame < 0) firstFrame = frame;
    calls += now;
    ASSERT_EQ(r & ModeNumberMask, Mode::Play) << "frame " << frame;
    FakeMs += 17;
    script.nextFrame();
  }
  EXPECT_EQ(calls, 0) << "the first in frame " << firstFrame;
  EXPECT_EQ(recorder.frames(), 1000);
  EXPECT_FALSE(recorder.cutShort());
}
