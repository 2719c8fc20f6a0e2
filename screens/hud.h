#pragma once
#include <cstdint>

#include "game/game_mode.h"

// The captions over the stage, by the player state the last player step left.
void drawStageCaptions();
// The drawn frames of the last 60 ticks, modulo 100, followed by "fps".
void drawFrameRate(double x, double y, double z);
// The heads-up display for the next mode; "PAUSE" when it is the pause.
void drawHud(GameMode mode);

// The readout counts for the whole run; a test starts it afresh (text "000", the first
// update due at once).
void resetFrameRate();

// One line of overlay text as it is handed to the font.
struct OverlayLine {
  const char* text;
  double x, y, z, size;
  const double* colour;
  bool large;
};
// Every overlay line is shown to the watcher before it is drawn, so a test can see the
// exact texts; nullptr stops watching.
using OverlayLineWatcher = void (*)(const OverlayLine& line);
void watchOverlayLines(OverlayLineWatcher watcher);
