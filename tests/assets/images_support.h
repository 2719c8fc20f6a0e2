#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Pictures as the game reads them: decoded with IMG_Load and converted to R, G, B, A bytes.
struct Rgba {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
  const uint8_t* at(int x, int y) const { return &pixels[(size_t(y) * width + x) * 4]; }
};

std::string resourcePath(const std::string& file);
// False when the file does not decode.
bool loadRgba(const std::string& path, Rgba& out);
// Tile i of a picture cut as the game cuts it (rows of a power of two tiles).
Rgba tileOf(const Rgba& picture, int i, int w, int h);

// Where a slot's picture lives: the load table row and the tile within it.
struct SlotTile {
  std::string file;
  int index, w, h;
  bool alpha;
};
SlotTile slotTile(int slot);

int inkPixels(const Rgba& tile);       // pixels not fully transparent
bool oneFlatColour(const Rgba& tile);  // every visible pixel the same colour
