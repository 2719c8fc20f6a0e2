#include "tests/support/gl_context.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>

#include "shell/startup.h"

bool openTestDisplay() {
  static bool open = openDisplay() == 0;
  if (open) setStartupGlState();
  return open;
}

void setStartupGlState() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  setOpenGlState();
}

Pixel readPixel(int x, int y) {
  Pixel p{};
  glReadBuffer(GL_BACK);
  glReadPixels(x, 479 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &p);
  return p;
}

std::vector<uint8_t> readScreen() {
  std::vector<uint8_t> rows(640 * 480 * 4), flipped(rows.size());
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  for (int y = 0; y < 480; ++y) {
    std::copy_n(&rows[size_t(479 - y) * 640 * 4], 640 * 4, &flipped[size_t(y) * 640 * 4]);
  }
  return flipped;
}

int32_t textureFilter(uint32_t name) {
  GLint f = 0;
  glBindTexture(GL_TEXTURE_2D, name);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &f);
  return f;
}
