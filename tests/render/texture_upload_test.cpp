#include "render/texture_upload.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "shell/startup.h"
#include "tests/support/gl_context.h"
#include "tests/support/temp_folder.h"

namespace {
// A picture of cols x rows tiles, each tile filled with a colour that names it:
// red = tile index, green = 200, blue = x within the tile, alpha = 255 - index.
void writeTileSheet(const char* path, int tileW, int tileH, int cols, int rows) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, tileW * cols, tileH * rows, 32, 0x000000FF,
                                        0x0000FF00, 0x00FF0000, 0xFF000000);
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < s->w; ++x) {
      int index = (y / tileH) * cols + x / tileW;
      uint8_t px[4] = {uint8_t(index), 200, uint8_t(x % tileW), uint8_t(255 - index)};
      std::memcpy(row + 4 * x, px, 4);
    }
  }
  SDL_UnlockSurface(s);
  SDL_SaveBMP(s, path);
  SDL_FreeSurface(s);
}

std::vector<uint8_t> textureBytes(uint32_t name, int w, int h) {
  std::vector<uint8_t> out(size_t(w) * h * 4);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
  return out;
}
}  // namespace

TEST(TileCutting, TilesRunRowByRowAcrossAPowerOfTwoColumns) {
  // 512 pixels of 64-pixel tiles: 8 a row, so tile 9 is the second of the second row.
  TileOrigin o = tileOrigin(9, 512 / 64, 64, 64);
  EXPECT_EQ(o.x, 64);
  EXPECT_EQ(o.y, 64);
  o = tileOrigin(7, 4, 32, 256);
  EXPECT_EQ(o.x, 96);
  EXPECT_EQ(o.y, 256);
}

TEST(TileCutting, ATileOutsideThePictureIsNotRead) {
  std::vector<uint8_t> pixels(128 * 64 * 4, 7), tile(64 * 64 * 4, 0);
  EXPECT_TRUE(cutTile(pixels.data(), 128, 64, 128 * 4, 1, 64, 64, true, tile.data()));
  EXPECT_FALSE(cutTile(pixels.data(), 128, 64, 128 * 4, 2, 64, 64, true, tile.data()));
  EXPECT_FALSE(cutTile(pixels.data(), 32, 64, 32 * 4, 0, 64, 64, true, tile.data()));
  EXPECT_FALSE(cutTile(pixels.data(), 128, 64, 128 * 4, -1, 64, 64, true, tile.data()));
  // Three columns: the bitwise column rule still stays inside the picture.
  std::vector<uint8_t> wide(192 * 128 * 4, 1);
  for (int i = 0; i < 6; ++i)
    cutTile(wide.data(), 192, 128, 192 * 4, i, 64, 64, false, tile.data());
}

TEST(TileCutting, RgbTilesDropTheAlphaByte) {
  uint8_t pixels[2 * 1 * 4] = {1, 2, 3, 4, 5, 6, 7, 8};
  uint8_t tile[3] = {};
  ASSERT_TRUE(cutTile(pixels, 2, 1, 8, 1, 1, 1, false, tile));
  EXPECT_EQ(tile[0], 5);
  EXPECT_EQ(tile[1], 6);
  EXPECT_EQ(tile[2], 7);
}

class TextureUpload : public ::testing::Test {
 protected:
  TempFolder dir;
  void SetUp() override { ASSERT_TRUE(openTestDisplay()); }
};

TEST_F(TextureUpload, TileNineOfA512WideSheetHoldsTheSecondTileOfTheSecondRow) {
  writeTileSheet("sheet.bmp", 64, 64, 8, 2);
  uint32_t names[16] = {};
  ASSERT_EQ(uploadTextureTiles("sheet.bmp", 64, 64, 16, names, true, 0), 16);
  std::vector<uint8_t> t = textureBytes(names[9], 64, 64);
  EXPECT_EQ(t[0], 9);
  EXPECT_EQ(t[1], 200);
  EXPECT_EQ(t[3], 255 - 9);
  EXPECT_EQ(t[4 * 63 + 2], 63);  // the tile's own left-to-right order
  for (int i = 0; i < 16; ++i) EXPECT_EQ(textureBytes(names[i], 64, 64)[0], i);
}

TEST_F(TextureUpload, AMissingPictureLeavesItsSlotsUnchanged) {
  uint32_t names[4] = {0, 0, 0, 0};
  EXPECT_EQ(uploadTextureTiles("nothing.png", 64, 64, 4, names, true, 1), -1);
  for (uint32_t n : names) EXPECT_EQ(n, 0u);
  EXPECT_EQ(uploadTextureTiles("nothing.png", 0, 64, 4, names, true, 1), -1);
}

TEST_F(TextureUpload, AnEmptyOrGarbledPictureLoadsNothingAndLeavesItsSlotsAlone) {
  // A picture format's signature followed by noise gets past the format check.
  std::vector<unsigned char> garbled = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  for (int i = 0; i < 4096; ++i) garbled.push_back(static_cast<unsigned char>(i * 73 + 11));
  std::vector<unsigned char> cutBmp = {'B', 'M', 0x36, 0x30, 0, 0, 0, 0, 0, 0, 0x36, 0};
  dir.write("empty.PNG", {});
  dir.write("garbled.PNG", garbled);
  dir.write("cut.bmp", cutBmp);
  for (const char* file : {"empty.PNG", "garbled.PNG", "cut.bmp"}) {
    uint32_t names[4] = {7, 7, 7, 7};
    EXPECT_EQ(uploadTextureTiles(file, 64, 64, 4, names, true, 0), -1) << file;
    for (uint32_t n : names) EXPECT_EQ(n, 7u) << file;
  }
}

TEST_F(TextureUpload, APictureWiderThanItsSheetStillGivesEveryTileRowByRow) {
  // A 512-pixel sheet of 64-pixel tiles holds 8 a row; this one is twice as wide.
  writeTileSheet("wide.bmp", 64, 64, 16, 2);
  uint32_t names[32] = {};
  ASSERT_EQ(uploadTextureTiles("wide.bmp", 64, 64, 32, names, true, 0), 32);
  EXPECT_EQ(textureBytes(names[17], 64, 64)[0], 17);
  EXPECT_EQ(textureBytes(names[31], 64, 64)[0], 31);
}

TEST_F(TextureUpload, APictureWithFewerTilesThanAskedGivesOnlyThoseItHolds) {
  writeTileSheet("small.bmp", 64, 64, 2, 1);
  uint32_t names[8] = {};
  EXPECT_EQ(uploadTextureTiles("small.bmp", 64, 64, 8, names, true, 0), 2);
  EXPECT_NE(names[0], 0u);
  EXPECT_NE(names[1], 0u);
  for (int i = 2; i < 8; ++i) EXPECT_EQ(names[i], 0u);
  EXPECT_EQ(uploadTextureTiles("small.bmp", 64, 64, 0, names, true, 0), 0);
}

TEST_F(TextureUpload, TheFilterFlagPicksLinearOrNearest) {
  writeTileSheet("f.bmp", 32, 32, 1, 1);
  uint32_t linear = 0, nearest = 0;
  uploadTextureTiles("f.bmp", 32, 32, 1, &linear, false, 1);
  uploadTextureTiles("f.bmp", 32, 32, 1, &nearest, false, 0);
  EXPECT_EQ(textureFilter(linear), GL_LINEAR);
  EXPECT_EQ(textureFilter(nearest), GL_NEAREST);
}

TEST_F(TextureUpload, StartUpFillsTheSlotTableAndStepsTheGreysDown) {
  dir.write("resources/.keep", {});
  writeTileSheet("resources/chr64x64texs.PNG", 64, 64, 8, 4);
  writeTileSheet("resources/mavutitle02.JPG", 512, 512, 1, 1);
  std::memset(TextureSlots, 0, sizeof TextureSlots);
  LoadingGreys.count = 0;
  showLoadingGrey(0.9);
  loadTextureSheets();
  const double expected[] = {0.9, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1, 0.0};
  ASSERT_EQ(LoadingGreys.count, 11);
  for (int i = 0; i < 11; ++i) EXPECT_DOUBLE_EQ(LoadingGreys.greys[i], expected[i]);
  for (int s = 0; s < 32; ++s) EXPECT_NE(TextureSlots[s], 0u) << s;
  for (int s = 32; s < TextureSlotCount; ++s) {
    if (s == 224) continue;
    EXPECT_EQ(TextureSlots[s], 0u) << s;  // those files are missing
  }
  Pixel p = readPixel(320, 240);
  EXPECT_EQ(p.r, 0);  // the last grey shown is black
}

TEST_F(TextureUpload, TheFilterSettingTurnsTheGameTexturesButNeverTheTitlePictures) {
  dir.write("resources/.keep", {});
  writeTileSheet("resources/chr64x64texs.PNG", 64, 64, 8, 4);
  writeTileSheet("resources/mavutitle02.JPG", 512, 512, 1, 1);
  writeTileSheet("resources/titletexs.PNG", 256, 128, 1, 4);
  std::memset(TextureSlots, 0, sizeof TextureSlots);
  loadTextureSheets();
  // Until the settings are applied every texture is nearest.
  EXPECT_EQ(textureFilter(TextureSlots[0]), GL_NEAREST);
  setGameTextureFilter(1);
  for (int s = 0; s < 32; ++s) EXPECT_EQ(textureFilter(TextureSlots[s]), GL_LINEAR) << s;
  for (int s : {224, 227, 228, 229, 230}) {
    ASSERT_NE(TextureSlots[s], 0u) << s;
    EXPECT_EQ(textureFilter(TextureSlots[s]), GL_NEAREST) << s;
  }
  setGameTextureFilter(0);
  EXPECT_EQ(textureFilter(TextureSlots[31]), GL_NEAREST);
}

TEST(TextureSlotLookup, NumbersOutsideTheTableAnswerNoTexture) {
  std::memset(TextureSlots, 0, sizeof TextureSlots);
  TextureSlots[0] = 11;
  TextureSlots[TextureSlotCount - 1] = 12;
  EXPECT_EQ(textureForSlot(0), 11u);
  EXPECT_EQ(textureForSlot(TextureSlotCount - 1), 12u);
  for (int32_t slot : {-1, TextureSlotCount, 0x7FFFFFFF, INT32_MIN, 0x10009}) {
    EXPECT_EQ(textureForSlot(slot), 0u) << slot;
  }
  std::memset(TextureSlots, 0, sizeof TextureSlots);
}

TEST(TextureSlotLookup, EverySheetFillsSlotsInsideTheTableWithoutOverlap) {
  bool used[TextureSlotCount] = {};
  for (const TextureSheet& s : TextureSheets) {
    ASSERT_GE(s.firstSlot, 0) << s.file;
    ASSERT_LE(s.firstSlot + s.tiles, TextureSlotCount) << s.file;
    for (int32_t slot = s.firstSlot; slot < s.firstSlot + s.tiles; ++slot) {
      EXPECT_FALSE(used[slot]) << s.file << " slot " << slot;
      used[slot] = true;
    }
  }
}
