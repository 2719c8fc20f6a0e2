#include "tests/assets/images_support.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdlib>
#include <cstring>

#include "render/texture_upload.h"

std::string resourcePath(const std::string& file) {
  const char* dir = std::getenv("BRAVIN_RESOURCES");
#ifdef BRAVIN_TEST_RESOURCES
  if (!dir) dir = BRAVIN_TEST_RESOURCES;
#endif
  return std::string(dir ? dir : "resources") + "/" + file;
}

bool loadRgba(const std::string& path, Rgba& out) {
  SDL_Surface* picture = IMG_Load(path.c_str());
  if (!picture) return false;
  SDL_Surface* scratch =
      SDL_CreateRGBSurface(0, 0, 0, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
  SDL_Surface* rgba = SDL_ConvertSurface(picture, scratch->format, 0);
  SDL_FreeSurface(scratch);
  SDL_FreeSurface(picture);
  if (!rgba) return false;
  out.width = rgba->w;
  out.height = rgba->h;
  out.pixels.resize(size_t(rgba->w) * rgba->h * 4);
  SDL_LockSurface(rgba);
  for (int y = 0; y < rgba->h; ++y) {
    std::memcpy(&out.pixels[size_t(y) * rgba->w * 4],
                static_cast<const uint8_t*>(rgba->pixels) + size_t(y) * rgba->pitch,
                size_t(rgba->w) * 4);
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return true;
}

Rgba tileOf(const Rgba& picture, int i, int w, int h) {
  Rgba tile;
  tile.width = w;
  tile.height = h;
  tile.pixels.resize(size_t(w) * h * 4);
  if (!cutTile(picture.pixels.data(), picture.width, picture.height, picture.width * 4, i, w, h,
               true, tile.pixels.data())) {
    tile.pixels.clear();
  }
  return tile;
}

SlotTile slotTile(int slot) {
  for (const TextureSheet& s : TextureSheets) {
    if (slot >= s.firstSlot && slot < s.firstSlot + s.tiles) {
      return {s.file, slot - s.firstSlot, s.tileWidth, s.tileHeight, s.alpha};
    }
  }
  return {"", -1, 0, 0, false};
}

int inkPixels(const Rgba& tile) {
  int n = 0;
  for (size_t i = 3; i < tile.pixels.size(); i += 4) n += tile.pixels[i] != 0;
  return n;
}

bool oneFlatColour(const Rgba& tile) {
  const uint8_t* first = nullptr;
  for (size_t i = 0; i < tile.pixels.size(); i += 4) {
    const uint8_t* p = &tile.pixels[i];
    if (p[3] == 0) continue;
    if (!first) first = p;
    if (std::memcmp(first, p, 4) != 0) return false;
  }
  return true;
}
