#pragma once
#include <cstdint>

#include "shell/game_mode.h"

void drawStageCaptions();
void drawFrameRate(double x, double y, double z);
// The heads-up display for the next mode; "PAUSE" when it is the pause.
void drawHud(GameMode mode);
