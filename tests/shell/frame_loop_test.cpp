#include "shell/frame_loop.h"

#include <SDL_opengl.h>
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

// From setting 2 up an undrawn frame is known before its work: nothing it draws reaches a
// pixel, the clear included, and the frame after it is drawn again.
TEST(FrameLoop, AFrameKnownToStayUndrawnTouchesNoPixel) {
  ASSERT_TRUE(openTestDisplay());
  ScriptedInput script;
  setInputSource(&script);
  resetFrameLoopState();
  FrameSkipSetting = 3;  // frames 1, 3, 5, ... undrawn
  EXPECT_FALSE(frameStep(Mode::EnterTitle) & SkippedFrameBit);
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(clear[0], clear[1], clear[2], clear[3]);
  EXPECT_TRUE(frameStep(0) & SkippedFrameBit);
  uint8_t pixel[4] = {};
  glReadPixels(320, 240, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_EQ(pixel[0] * 65536 + pixel[1] * 256 + pixel[2], 0xFF00FF);
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_FALSE(frameStep(0) & SkippedFrameBit);
  FrameSkipSetting = 2;
  setInputSource(nullptr);
}
