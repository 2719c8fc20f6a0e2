#pragma once
#include <cstdint>

// Opens SDL video and the 640x480 OpenGL mode, in the order the game needs. Prints the
// failure and answers the exit status (1: SDL, 2: video mode), or 0 when the display is up.
int32_t openDisplay();
// Brings the program to a playable state: input, preferences, sound, OpenGL state,
// fonts and models, textures (with the darkening loading screen), settings, stages, game.
int32_t startUp();
// The fixed OpenGL state: culling, viewport, the 90-degree projection, blending.
void setOpenGlState();
// Clears to the grey g and presents it at once.
void showLoadingGrey(double g);
void loadTextureSheets();

// The greys shown during the last start-up, in order.
constexpr int32_t LoadingGreyLogSize = 16;
struct LoadingGreyLog {
  double greys[LoadingGreyLogSize];
  int32_t count;
};
extern LoadingGreyLog LoadingGreys;
