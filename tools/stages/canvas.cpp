#include "tools/stages/canvas.h"

#include <algorithm>

#include "tools/headless/png_dump.h"

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

void drawText(Canvas& c, int32_t x, int32_t y, const std::string& text, Rgb colour, int32_t scale) {
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
  return writeRgbPng(path, c.pixels.data(), c.width, c.height, false);
}
