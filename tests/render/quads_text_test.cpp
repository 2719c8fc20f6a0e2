#include <SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "render/camera.h"
#include "render/fade.h"
#include "render/quads.h"
#include "render/text.h"
#include "tests/render/render_fixture.h"
#include "tests/support/temp_folder.h"

namespace {
const double White[4] = {1.0, 1.0, 1.0, 1.0};

// Four texels: red top-left, green top-right, blue bottom-left, white bottom-right.
uint32_t quadrantTexture() {
  static uint32_t name = makeTestTexture(2, 2, {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFFFF});
  return name;
}

enum Colour { Red, Green, Blue, WhiteColour, Other };
Colour colourAt(int x, int y) {
  Pixel p = readPixel(x, y);
  if (p.r == 255 && p.g == 0 && p.b == 0) return Red;
  if (p.r == 0 && p.g == 255 && p.b == 0) return Green;
  if (p.r == 0 && p.g == 0 && p.b == 255) return Blue;
  if (p.r == 255 && p.g == 255 && p.b == 255) return WhiteColour;
  return Other;
}

// The four quadrants of a quad centred at pixel (cx, cy), 2 * d pixels across.
std::array<Colour, 4> quadrants(int cx, int cy, int d) {
  return {colourAt(cx - d / 2, cy - d / 2), colourAt(cx + d / 2, cy - d / 2),
          colourAt(cx - d / 2, cy + d / 2), colourAt(cx + d / 2, cy + d / 2)};
}

std::array<double, 16> modelview() {
  std::array<double, 16> m{};
  glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
  return m;
}

// White glyph cells with a black left half: every character drawn is one white run.
int whiteRunsOnRow(int y) {
  std::vector<uint8_t> screen = readScreen();
  int runs = 0;
  bool inRun = false;
  for (int x = 0; x < 640; ++x) {
    bool white = screen[(size_t(y) * 640 + x) * 4] == 255;
    if (white && !inRun) ++runs;
    inRun = white;
  }
  return runs;
}

// An RGBA picture of tiles x rows glyph cells, each cell filled with (code index, 255 -
// index, 7); saved as BMP under the font's name, which the picture loader reads by content.
void writeFontPicture(const char* path, int cell, int columns, int rows) {
  SDL_Surface* s = SDL_CreateRGBSurface(0, cell * columns, cell * rows, 32, 0x000000FF, 0x0000FF00,
                                        0x00FF0000, 0xFF000000);
  ASSERT_NE(s, nullptr);
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < s->w; ++x) {
      int index = (y / cell) * columns + x / cell;
      uint8_t px[4] = {uint8_t(index), uint8_t(255 - index), 7, 255};
      std::memcpy(row + x * 4, px, 4);
    }
  }
  SDL_UnlockSurface(s);
  ASSERT_EQ(SDL_SaveBMP(s, path), 0);
  SDL_FreeSurface(s);
}

uint8_t firstTexelRed(uint32_t texture) {
  std::vector<uint8_t> texels(32 * 32 * 4);
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return texels[0];
}

class Text : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    std::copy(std::begin(SmallFontTiles), std::end(SmallFontTiles), savedSmall_.begin());
    std::copy(std::begin(LargeFontTiles), std::end(LargeFontTiles), savedLarge_.begin());
    uint32_t glyph = makeTestTexture(2, 1, {0x000000FF, 0xFFFFFFFF});
    std::fill(std::begin(SmallFontTiles), std::end(SmallFontTiles), glyph);
    std::fill(std::begin(LargeFontTiles), std::end(LargeFontTiles), glyph);
  }
  void TearDown() override {
    std::copy(savedSmall_.begin(), savedSmall_.end(), SmallFontTiles);
    std::copy(savedLarge_.begin(), savedLarge_.end(), LargeFontTiles);
    RenderTest::TearDown();
  }

 private:
  std::array<uint32_t, SmallFontGlyphs> savedSmall_{};
  std::array<uint32_t, LargeFontGlyphs> savedLarge_{};
};
}  // namespace

using Quads = RenderTest;

TEST_F(Quads, QuadLandsWhereTheCameraPutsItWithThePicturesTopRowOnTop) {
  // 10 units either side at depth 120 is 20 pixels either side of (80, 300) -> (480, 360).
  drawTexturedQuad(80.0, 300.0, 120.0, 10.0, 10.0, 0.0, White, quadrantTexture());
  Coverage c = coverage();
  EXPECT_NEAR(c.left, 460, 1);
  EXPECT_NEAR(c.right, 499, 1);
  EXPECT_NEAR(c.top, 340, 1);
  EXPECT_NEAR(c.bottom, 379, 1);
  EXPECT_EQ(quadrants(480, 360, 20), (std::array<Colour, 4>{Red, Green, Blue, WhiteColour}));
}

TEST_F(Quads, NegativeScalesMirrorThePictureAndAreNotCulled) {
  drawTexturedQuad(-80.0, 240.0, 120.0, -10.0, 10.0, 0.0, White, quadrantTexture());
  EXPECT_EQ(quadrants(160, 240, 20), (std::array<Colour, 4>{Green, Red, WhiteColour, Blue}));
  drawTexturedQuad(0.0, 240.0, 120.0, 10.0, -10.0, 0.0, White, quadrantTexture());
  EXPECT_EQ(quadrants(320, 240, 20), (std::array<Colour, 4>{Blue, WhiteColour, Red, Green}));
  drawTexturedQuad(80.0, 240.0, 120.0, -10.0, -10.0, 0.0, White, quadrantTexture());
  EXPECT_EQ(quadrants(480, 240, 20), (std::array<Colour, 4>{WhiteColour, Blue, Green, Red}));
}

TEST_F(Quads, AngleTurnsThePictureClockwiseOnScreen) {
  drawTexturedQuad(0.0, 240.0, 120.0, 10.0, 10.0, 90.0, White, quadrantTexture());
  EXPECT_EQ(quadrants(320, 240, 20), (std::array<Colour, 4>{Blue, Red, WhiteColour, Green}));
}

TEST_F(Quads, ColourTintsAndItsAlphaBlends) {
  const double halfRed[4] = {1.0, 0.0, 0.0, 0.5};
  drawTexturedQuad(0.0, 240.0, 120.0, 10.0, 10.0, 0.0, halfRed,
                   makeTestTexture(1, 1, {0xFFFFFFFF}));
  Pixel p = readPixel(320, 240);
  EXPECT_NEAR(p.r, 128, 1);
  EXPECT_EQ(p.g, 0);
}

TEST_F(Quads, TextureZeroDrawsNothingAndEveryQuadLeavesTheStateAsFound) {
  auto before = modelview();
  EXPECT_EQ(drawTexturedQuad(0.0, 240.0, 120.0, 50.0, 50.0, 0.0, White, 0), 0);
  EXPECT_EQ(coverage().pixels, 0);
  drawTexturedQuad(0.0, 240.0, 120.0, 50.0, 50.0, 30.0, White, quadrantTexture());
  EXPECT_EQ(modelview(), before);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(Quads, NameWithoutAPictureDrawsNothing) {
  GLuint empty = 0;
  glGenTextures(1, &empty);
  drawTexturedQuad(0.0, 240.0, 120.0, 50.0, 50.0, 0.0, White, empty);
  EXPECT_EQ(coverage().pixels, 0);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Text, LineStopsAtSixtyFourCharacters) {
  // Cells 4 units (8 pixels) wide from the left edge: 64 of them end at pixel 512.
  std::string line(65, 'A');
  EXPECT_EQ(drawSmallText(-158.0, 240.0, 120.0, 2.0, White, line.c_str()), 64);
  EXPECT_EQ(whiteRunsOnRow(240), 64);
  EXPECT_LE(coverage().right, 512);
  clearTo(0, 0, 0);
  EXPECT_EQ(drawLargeText(-158.0, 240.0, 120.0, 2.0, White, line.c_str()), 64);
  EXPECT_EQ(whiteRunsOnRow(240), 64);
}

TEST_F(Text, EmptyStringDrawsNothing) {
  EXPECT_EQ(drawSmallText(0.0, 240.0, 120.0, 8.0, White, ""), 0);
  EXPECT_EQ(drawLargeText(0.0, 240.0, 120.0, 8.0, White, nullptr), 0);
  EXPECT_EQ(coverage().pixels, 0);
}

TEST_F(Text, CharactersSitOnePenStepApartFromTheFirstCentre) {
  // Size 10 at depth 120: cells 40 pixels wide, the first centred on x = -100 (pixel 120).
  EXPECT_EQ(drawSmallText(-100.0, 240.0, 120.0, 10.0, White, "  "), 2);  // spaces draw too
  EXPECT_EQ(whiteRunsOnRow(240), 2);
  Coverage c = coverage();
  EXPECT_NEAR(c.left, 120, 1);  // the black left half of the first cell does not count
  EXPECT_NEAR(c.right, 120 + 40 + 19, 1);
}

TEST_F(Text, CodesOutsideAFontDrawNothingButKeepTheirCell) {
  const char small[] = {'A', 31, char(160), char(255), 'A', 0};
  EXPECT_EQ(drawSmallText(-100.0, 240.0, 120.0, 10.0, White, small), 5);
  EXPECT_EQ(whiteRunsOnRow(240), 2);
  clearTo(0, 0, 0);
  const char large[] = {'A', char(127), char(128), char(159), 0};
  EXPECT_EQ(drawLargeText(-100.0, 240.0, 120.0, 10.0, White, large), 4);
  EXPECT_EQ(whiteRunsOnRow(240), 2);
}

TEST_F(Text, FontsLoadTheirGlyphsInCodeOrderAndAMissingFontStaysEmpty) {
  TempFolder folder;
  ASSERT_EQ(mkdir("resources", 0755), 0);
  writeFontPicture("resources/smallfont.PNG", 16, 16, 8);
  std::fill(std::begin(SmallFontTiles), std::end(SmallFontTiles), 0u);
  std::fill(std::begin(LargeFontTiles), std::end(LargeFontTiles), 0u);
  loadFonts();
  for (uint32_t t : SmallFontTiles) EXPECT_NE(t, 0u);
  EXPECT_EQ(firstTexelRed(SmallFontTiles['A' - 32]), 'A' - 32);
  EXPECT_EQ(firstTexelRed(SmallFontTiles[127]), 127);
  for (uint32_t t : LargeFontTiles) EXPECT_EQ(t, 0u);
  EXPECT_EQ(drawLargeText(0.0, 240.0, 120.0, 10.0, White, "ABC"), 3);
  EXPECT_EQ(coverage().pixels, 0);

  writeFontPicture("resources/largefont.PNG", 32, 16, 6);
  loadFonts();
  EXPECT_EQ(firstTexelRed(LargeFontTiles[95]), 95);
}

using Fade = RenderTest;

TEST_F(Fade, FullFadeBlacksOutTheScreenWhereverTheCameraLooks) {
  for (double focus : {240.0, 64.0, 400.0}) {
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    placeCamera(focus);
    applyOverlayTransform(focus);
    EXPECT_EQ(drawFadeOverlay(1.0), 1);
    EXPECT_EQ(coverage().pixels, 0) << "focus " << focus;
  }
}

TEST_F(Fade, NoFadeDrawsNothingAndHalfFadeHalvesTheScreen) {
  clearTo(1.0, 1.0, 1.0);
  applyOverlayTransform(240.0);
  EXPECT_EQ(drawFadeOverlay(0.0), 0);
  EXPECT_EQ(readPixel(0, 0).r, 255);
  EXPECT_EQ(readPixel(639, 479).r, 255);
  EXPECT_EQ(drawFadeOverlay(0.5), 1);
  EXPECT_NEAR(readPixel(0, 0).r, 128, 1);
  EXPECT_NEAR(readPixel(639, 479).g, 128, 1);
}
