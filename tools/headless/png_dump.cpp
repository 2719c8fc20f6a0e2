#include "tools/headless/png_dump.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <vector>

#include "tools/png/png_writer.h"

bool dumpScreenPng(const std::string& path) {
  constexpr int W = 640, H = 480;
  std::vector<unsigned char> pixels(W * H * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return writeRgbPng(path, pixels.data(), W, H, true);
}

bool writeRgbPng(const std::string& path, const uint8_t* pixels, int32_t width, int32_t height,
                 bool bottomUp) {
  auto rowAt = [&](int32_t i) {
    int32_t y = bottomUp ? height - 1 - i : i;
    return pixels + size_t(y) * size_t(width) * 3;
  };
  return writePngFile(path, {width, height, false}, rowAt);
}
