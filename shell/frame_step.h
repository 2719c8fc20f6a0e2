#pragma once
#include <cstdint>

#include "game/game_mode.h"

// What the mode machine keeps between frames.
struct FrameLoopState {
  GameMode currentMode;      // as last returned, bit 8 included
  int32_t modeFrameCounter;  // frames spent in Play and Title
  int32_t frameCounter;      // every scene step, drawn or skipped
  int32_t lastFrameTick;     // tick of the previous scene step
};
extern FrameLoopState LoopState;
// Frame-skip setting: 1 automatic, k >= 2 draws every (k - 1)-th frame.
extern int32_t FrameSkipSetting;

// Wall time of the mode's work in the last scene step; the headless runner reads it.
struct ModeWorkTime {
  GameMode mode;  // 0 until a scene step has run
  double ms;
};
extern ModeWorkTime LastModeWork;

// One frame: m = 0 continues the current mode. Returns the new current mode.
GameMode frameStep(GameMode m);
// The NewGame work: its sound, the mode frame counter, a new game from startStage.
// Answers Play. The headless runner calls it to begin a game without the title.
GameMode beginNewGame(int32_t startStage);
// The work of one drawn or skipped frame for mode m; bit 8 set when nothing was drawn.
GameMode sceneStep(GameMode m);
// The frame-skip rule: true when the frame at tick now is not drawn.
bool frameSkipped(int32_t now, int32_t lastTick, int32_t setting, int32_t frameCounter);
void resetFrameLoopState();
