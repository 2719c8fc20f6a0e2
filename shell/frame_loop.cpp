#include "shell/frame_loop.h"

#include <SDL.h>

#include <cstdlib>

#include "shell/clock.h"
#include "shell/frame_step.h"
#include "shell/session_replay.h"
#include "shell/startup.h"

uint32_t frameWait(uint32_t t0, uint32_t t1, GameMode r) {
  uint32_t wait = FramePeriodMs - (t1 - t0);
  if (wait > FramePeriodMs || (r & SkippedFrameBit)) wait = 0;
  return wait;
}

void shutDownPlatform() { SDL_Quit(); }

GameMode loopPass(bool& quit) {
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_QUIT) quit = true;
  }
  uint32_t t0 = getTicks();
  GameMode r = frameStep(0);
  uint32_t t1 = getTicks();
  delayMs(frameWait(t0, t1, r));
  return r;
}

int runFrameLoop() {
  int32_t status = openDisplay();
  if (status != 0) std::exit(status);
  beginSessionRecording();
  startUp();
  takeSessionFacts();
  frameStep(Mode::EnterTitle);
  closeSessionFrame();
  bool quit = false;
  GameMode r;
  do {
    r = loopPass(quit);
    closeSessionFrame();
  } while ((r & ModeNumberMask) != Mode::Quit && !quit);
  saveSessionEnd();
  shutDownPlatform();
  return 0;
}
