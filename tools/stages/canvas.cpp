#include "tools/stages/canvas.h"

#include <png.h>

#include <algorithm>
#include <cstdio>

Canvas makeCanvas(int32_t width, int32_t height, Rgb background) {
  Canvas c{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
  fillRect(c, 0, 0, width, height, background);
  return c;
}

void fillRect(Canvas& c, int32_t x, int32_t y, int32_t w, int32_t h, Rgb colour) {
  int32_t x0 = std::max(x, 0), x1 = std::min(x + w, c.width);
  int32_t y0 = std::max(y, 0), y1 = std::min(y + h, c.height);
  for (int32_t py = y0; py < y1; ++py) {
    uint8_t* p = &c.pixels[(size_t(py) * size_t(c.width) + size_t(x0)) * 3];
    for (int32_t px = x0; px < x1; ++px, p += 3) {
      p[0] = colour.r;
      p[1] = colour.g;
      p[2] = colour.b;
    }
  }
}

void drawText(Canvas& c, int32_t x, int32_t y, const std::string& text, Rgb colour,
              int32_t scale) {
  for (char ch : text) {
    const uint8_t* rows = glyphRows(ch);
    for (int32_t row = 0; row < GlyphHeight; ++row) {
      for (int32_t col = 0; col < GlyphWidth; ++col) {
        if ((rows[row] >> (GlyphWidth - 1 - col)) & 1)
          fillRect(c, x + col * scale, y + row * scale, scale, scale, colour);
      }
    }
    x += GlyphAdvance * scale;
  }
}

int32_t textWidth(const std::string& text, int32_t scale) {
  return int32_t(text.size()) * GlyphAdvance * scale;
}

bool writePng(const Canvas& c, const std::string& path) {
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
  png_set_IHDR(png, info, uint32_t(c.width), uint32_t(c.height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int32_t y = 0; y < c.height; ++y)
    png_write_row(png, &c.pixels[size_t(y) * size_t(c.width) * 3]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}
