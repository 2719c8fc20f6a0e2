#pragma once
#include <cstdint>

#include "game/game_mode.h"

constexpr uint32_t FramePeriodMs = 17;

// The program: opens the display, starts up, runs frames until Quit or a window-close
// request, saves the preferences. Answers 0; ends the process with 1 or 2 when SDL or
// the video mode cannot be had.
int runFrameLoop();
// How long to sleep after a frame that ran from t0 to t1 and answered r: what is left of
// 17 ms, or nothing when it overran (unsigned arithmetic: ticks going backwards count as
// an overrun) or was not drawn.
uint32_t frameWait(uint32_t t0, uint32_t t1, GameMode r);
// Closes SDL (video, audio, joystick), as the program does at its end.
void shutDownPlatform();
// One pass of the loop; sets quit on a window-close request. Answers the frame's mode.
GameMode loopPass(bool& quit);
