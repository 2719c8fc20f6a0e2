#include "shell/frame_loop.h"

#include <gtest/gtest.h>

#include "shell/clock.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"

namespace {
// A clock on which a pass takes a set time: its first reading gives the pass's start, every
// later one (the frame's own readings, however many, and the pass's end) the start plus
// the frame's length.
uint32_t StartMs = 0;
uint32_t FrameMs = 0;
int32_t Readings = 0;
uint32_t Slept = 0;
uint32_t passTicks() { return Readings++ == 0 ? StartMs : StartMs + FrameMs; }
void recordDelay(uint32_t ms) { Slept = ms; }
}  // namespace

TEST(FrameLoop, EachPassSleepsOnlyForTheRestOfTheFrame) {
  ASSERT_TRUE(openTestDisplay());
  ScriptedInput script;
  setInputSource(&script);
  setClockSource({passTicks, recordDelay});
  resetFrameLoopState();
  FrameSkipSetting = 2;
  frameStep(Mode::EnterTitle);
  bool quit = false;
  struct Case {
    uint32_t frameMs, sleep;
  } cases[] = {{4, 13}, {16, 1}, {18, 0}, {30, 0}, {0, 17}};
  for (const Case& c : cases) {
    StartMs += 1000;
    FrameMs = c.frameMs;
    Readings = 0;
    Slept = 999;
    EXPECT_EQ(loopPass(quit), Mode::Title);
    EXPECT_EQ(Slept, c.sleep) << c.frameMs << " ms frame";
  }
  EXPECT_FALSE(quit);
  setInputSource(nullptr);
  useSdlClock();
}
