#include "screens/hud.h"

// Placeholders until the heads-up display and the captions land: nothing is drawn.
void drawStageCaptions() {}
void drawFrameRate(double, double, double) {}
void drawHud(GameMode) {}
