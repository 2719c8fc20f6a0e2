#include <gtest/gtest.h>

#include "shell/clock.h"
#include "shell/frame_loop.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"

namespace {
// A clock where each reading advances by a set step. A frame reads it twice (its start
// and the frame-skip tick) before its end, so it seems to take two steps.
uint32_t NowMs = 0;
uint32_t StepMs = 0;
uint32_t Slept = 0;
uint32_t steppingTicks() {
  uint32_t t = NowMs;
  NowMs += StepMs;
  return t;
}
void recordDelay(uint32_t ms) {
  Slept = ms;
  NowMs += ms;
}
}  // namespace

TEST(FrameLoop, EachPassSleepsOnlyForTheRestOfTheFrame) {
  ASSERT_TRUE(openTestDisplay());
  ScriptedInput script;
  setInputSource(&script);
  setClockSource({steppingTicks, recordDelay});
  resetFrameLoopState();
  FrameSkipSetting = 2;
  frameStep(Mode::EnterTitle);
  bool quit = false;
  struct Case {
    uint32_t frameMs, sleep;
  } cases[] = {{4, 13}, {16, 1}, {18, 0}, {30, 0}, {0, 17}};
  for (const Case& c : cases) {
    StepMs = c.frameMs / 2;
    Slept = 999;
    EXPECT_EQ(loopPass(quit), Mode::Title);
    EXPECT_EQ(Slept, c.sleep) << c.frameMs << " ms frame";
  }
  EXPECT_FALSE(quit);
  setInputSource(nullptr);
  useSdlClock();
}
