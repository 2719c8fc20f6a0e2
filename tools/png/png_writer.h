#pragma once
#include <cstdint>
#include <functional>
#include <string>

// How a PNG file is written: its pixels (3 bytes each, RGB, or 4 with alpha, RGBA), and
// the zlib level (0 to 9; -1 leaves libpng's own default).
struct PngFormat {
  int32_t width, height;
  bool alpha;
  int32_t compressionLevel = -1;
};

// The pixels of row y, top row 0: width pixels of 3 or 4 bytes. The writer asks for each
// row once, in order, and is done with the bytes before it asks for the next.
using PngRow = std::function<const uint8_t*(int32_t y)>;

// Writes the picture as an 8-bit, non-interlaced PNG file; false when the file cannot be
// written whole.
bool writePngFile(const std::string& path, const PngFormat& format, const PngRow& row);
