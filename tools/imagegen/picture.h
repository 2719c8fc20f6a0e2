#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A picture in straight (not premultiplied) RGBA bytes, top row first.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;

  Picture() = default;
  Picture(int w, int h) : width(w), height(h), rgba(size_t(w) * size_t(h) * 4, 0) {}
  uint8_t* at(int x, int y) { return &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4]; }
  const uint8_t* at(int x, int y) const {
    return &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4];
  }
  // Copies src with its top-left corner at (x, y); src must fit.
  void paste(const Picture& src, int x, int y);
  Picture crop(int x, int y, int w, int h) const;
};

// Writers for the three file kinds the game reads. Each writes nothing that changes from
// run to run (no time stamps), so the same picture always gives the same bytes.
bool writePng(const std::string& path, const Picture& picture, bool alpha);
bool writeJpeg(const std::string& path, const Picture& picture, int quality);
bool writeBmp(const std::string& path, const Picture& picture);
