#include "render/texture_upload.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <cstring>
#include <vector>

uint32_t TextureSlots[TextureSlotCount];

uint32_t textureForSlot(int32_t slot) {
  return slot >= 0 && slot < TextureSlotCount ? TextureSlots[slot] : 0;
}

TileOrigin tileOrigin(int32_t i, int32_t cols, int32_t w, int32_t h) {
  int32_t row = i / cols;
  int32_t column = i & (cols - 1);
  return {column * w, row * h};
}

bool cutTile(const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch, int32_t i,
             int32_t w, int32_t h, bool alpha, uint8_t* dest) {
  if (w < 1 || h < 1 || i < 0) return false;
  int32_t cols = width / w;
  if (cols < 1) return false;
  TileOrigin o = tileOrigin(i, cols, w, h);
  if (o.x + w > width || int64_t(o.y) + h > height) return false;
  int32_t bytes = alpha ? 4 : 3;
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* src = pixels + int64_t(o.y + y) * pitch + int64_t(o.x) * 4;
    for (int32_t x = 0; x < w; ++x, src += 4, dest += bytes) std::memcpy(dest, src, bytes);
  }
  return true;
}

namespace {
// Linear filtering for a non-zero filter flag, else nearest, on the bound texture.
void setBoundTextureFilter(int32_t filter) {
  GLint f = filter ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, f);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, f);
}

// The picture as 32-bit R, G, B, A bytes in memory order.
SDL_Surface* loadAsRgba(const char* path) {
  SDL_Surface* picture = IMG_Load(path);
  if (!picture) return nullptr;
  SDL_Surface* scratch =
      SDL_CreateRGBSurface(0, 0, 0, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
  SDL_Surface* converted = scratch ? SDL_ConvertSurface(picture, scratch->format, 0) : nullptr;
  if (scratch) SDL_FreeSurface(scratch);
  SDL_FreeSurface(picture);
  return converted;
}

}  // namespace

uint32_t makeTexture(const uint8_t* staging, int32_t w, int32_t h, bool alpha, int32_t filter) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  setBoundTextureFilter(filter);
  GLenum format = alpha ? GL_RGBA : GL_RGB;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, format, w, h, 0, format, GL_UNSIGNED_BYTE, staging);
  return name;
}

void setGameTextureFilter(int32_t filter) {
  for (const TextureSheet& s : TextureSheets) {
    if (s.alwaysNearest) continue;
    for (int32_t slot = s.firstSlot; slot < s.firstSlot + s.tiles; ++slot) {
      uint32_t name = textureForSlot(slot);
      if (name == 0) continue;  // its file did not load
      glBindTexture(GL_TEXTURE_2D, name);
      setBoundTextureFilter(filter);
    }
  }
}

int32_t uploadTextureTiles(const char* path, int32_t w, int32_t h, int32_t n, uint32_t* dest,
                           bool alpha, int32_t filter) {
  if (w < 1 || h < 1) return -1;
  std::vector<uint8_t> staging(size_t(w) * size_t(h) * (alpha ? 4 : 3));
  SDL_Surface* picture = loadAsRgba(path);
  if (!picture) return -1;
  int32_t made = 0;
  SDL_LockSurface(picture);
  const auto* pixels = static_cast<const uint8_t*>(picture->pixels);
  for (int32_t i = 0; i < n; ++i) {
    if (!cutTile(pixels, picture->w, picture->h, picture->pitch, i, w, h, alpha, staging.data())) {
      continue;
    }
    dest[i] = makeTexture(staging.data(), w, h, alpha, filter);
    ++made;
  }
  SDL_UnlockSurface(picture);
  SDL_FreeSurface(picture);
  return made;
}

int32_t uploadSheetTiles(const TextureSheet& s, uint32_t* dest, int32_t filter) {
  char path[64];
  std::snprintf(path, sizeof path, "resources/%s", s.file);
  return uploadTextureTiles(path, s.tileWidth, s.tileHeight, s.tiles, dest, s.alpha, filter);
}
