#pragma once
#include <cstdint>
#include <vector>

// The game's own 640x480 display, opened on SDL's offscreen driver, with the start-up
// OpenGL state. One per test program run; tests read pixels back from it.
bool openTestDisplay();
void setStartupGlState();
struct Pixel {
  uint8_t r, g, b, a;
};
// The pixel at (x, y) counted from the top-left of the screen.
Pixel readPixel(int x, int y);
// The whole back buffer, top row first, RGBA.
std::vector<uint8_t> readScreen();
// The filter a texture is sampled with (GL_NEAREST or GL_LINEAR).
int32_t textureFilter(uint32_t name);
