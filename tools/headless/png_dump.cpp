#include "tools/headless/png_dump.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <png.h>

#include <cstdio>
#include <vector>

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
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, uint32_t(width), uint32_t(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int32_t i = 0; i < height; ++i) {
    int32_t y = bottomUp ? height - 1 - i : i;
    png_write_row(png, const_cast<uint8_t*>(pixels + size_t(y) * size_t(width) * 3));
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}
