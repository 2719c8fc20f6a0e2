// The picture files the game loads: present under their exact names, decodable, and big
// enough for the tiles the load table cuts from them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "render/texture_upload.h"
#include "tests/assets/images_support.h"

namespace {
bool powerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

struct FontFile {
  const char* file;
  int tile, tiles;
};
const FontFile Fonts[] = {{"smallfont.PNG", 16, 128}, {"largefont.PNG", 32, 96}};

void expectHoldsTiles(const std::string& file, int w, int h, int tiles) {
  Rgba picture;
  ASSERT_TRUE(loadRgba(resourcePath(file), picture)) << file << " does not decode";
  const int cols = picture.width / w;
  EXPECT_EQ(picture.width % w, 0) << file;
  EXPECT_TRUE(powerOfTwo(cols)) << file << ": " << cols << " tiles to a row";
  EXPECT_GE(picture.height / h, (tiles + cols - 1) / cols) << file << " is too short";
  for (int i = 0; i < tiles; ++i) {
    EXPECT_FALSE(tileOf(picture, i, w, h).pixels.empty()) << file << " lacks tile " << i;
  }
}
}  // namespace

TEST(PictureFiles, EveryTextureSheetDecodesAndHoldsItsTiles) {
  for (const TextureSheet& s : TextureSheets) {
    SCOPED_TRACE(s.file);
    expectHoldsTiles(s.file, s.tileWidth, s.tileHeight, s.tiles);
  }
}

TEST(PictureFiles, SheetsCarryAlphaExactlyWhereTheTableSaysRgba) {
  // An RGB sheet with alpha would waste memory; an RGBA sheet without it draws boxes.
  for (const TextureSheet& s : TextureSheets) {
    SDL_Surface* picture = IMG_Load(resourcePath(s.file).c_str());
    ASSERT_NE(picture, nullptr) << s.file;
    EXPECT_EQ(picture->format->Amask != 0, s.alpha) << s.file;
    SDL_FreeSurface(picture);
  }
}

TEST(PictureFiles, BothFontsHoldEveryGlyphTile) {
  for (const FontFile& f : Fonts) {
    SCOPED_TRACE(f.file);
    expectHoldsTiles(f.file, f.tile, f.tile, f.tiles);
  }
}

TEST(PictureFiles, NamesMatchExactlyWithTheirUpperCaseExtensions) {
  // The game opens the names byte for byte; on a case-sensitive file system "x.png"
  // would not be found for "x.PNG".
  for (const TextureSheet& s : TextureSheets) {
    std::FILE* f = std::fopen(resourcePath(s.file).c_str(), "rb");
    EXPECT_NE(f, nullptr) << s.file;
    if (f) std::fclose(f);
  }
}

TEST(PictureFiles, IconIsASmallBitmapSdlCanLoad) {
  SDL_Surface* icon = SDL_LoadBMP(resourcePath("icon.bmp").c_str());
  ASSERT_NE(icon, nullptr) << SDL_GetError();
  EXPECT_EQ(icon->w, 32);
  EXPECT_EQ(icon->h, 32);
  SDL_FreeSurface(icon);
}
