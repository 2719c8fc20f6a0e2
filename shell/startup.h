#pragma once
#include <cstdint>

// Opens SDL video and the 640x480 OpenGL mode, in the order the game needs. Prints the
// failure and answers the exit status (1: SDL, 2: video mode), or 0 when the display is up.
int32_t openDisplay();
// A window icon wider or higher than this is left out: the X server refuses one of
// 2048 x 2048 pixels and SDL then ends the process.
constexpr int32_t MaxIconSide = 1024;
bool usableIcon(int32_t width, int32_t height);
// False for a driver that shows nothing (offscreen, dummy) unless the SDL_VIDEODRIVER
// value asked names it; such a start ends like a failed video mode.
bool visibleOrAskedFor(const char* driver, const char* asked);
// Brings the program to a playable state: input, preferences, sound, OpenGL state,
// fonts, meshes and sine tables, textures (with the darkening loading screen), settings,
// stages, game.
int32_t startUp();
// The fixed OpenGL state: culling, viewport, the 90-degree projection, blending.
void setOpenGlState();
// Clears to the grey g and presents it at once.
void showLoadingGrey(double g);
// The twelve texture sheets in order, the game textures nearest filtered until the
// settings are applied, with the loading grey after each file that has one.
void loadTextureSheets();

// The greys shown during the last start-up, in order.
constexpr int32_t LoadingGreyLogSize = 16;
struct LoadingGreyLog {
  double greys[LoadingGreyLogSize];
  int32_t count;
};
extern LoadingGreyLog LoadingGreys;
