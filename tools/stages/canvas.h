#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An RGB picture in memory, drawn with filled rectangles and pixel text, written as PNG.
struct Rgb {
  uint8_t r, g, b;
};

struct Canvas {
  int32_t width;
  int32_t height;
  std::vector<uint8_t> pixels;  // rows top first, 3 bytes a pixel
};

constexpr int32_t GlyphWidth = 5;
constexpr int32_t GlyphHeight = 7;
constexpr int32_t GlyphAdvance = GlyphWidth + 1;

Canvas makeCanvas(int32_t width, int32_t height, Rgb background);
// Clipped to the picture.
void fillRect(Canvas& c, int32_t x, int32_t y, int32_t w, int32_t h, Rgb colour);
// Text at (x, y) as its top-left corner, each font pixel drawn scale x scale.
void drawText(Canvas& c, int32_t x, int32_t y, const std::string& text, Rgb colour,
              int32_t scale = 1);
int32_t textWidth(const std::string& text, int32_t scale = 1);
// The seven rows of a character's glyph.
const uint8_t* glyphRows(char c);
// False when the file cannot be written.
bool writePng(const Canvas& c, const std::string& path);
